// The program's pictures and icon: each is found under its number and has the pixel size the
// dialogs were laid out for.

#include "res/ProgramResources.h"
#include "framework/ModuleResources.h"
#include "res/Resource.h"

#include <QImage>
#include <QSize>
#include <gtest/gtest.h>

#include <map>

namespace {

TEST(ProgramResourcesTest, EveryPictureHasItsPixelSize) {
    const std::map<UINT, QSize> expected = {
        {IDB_TITLE, {250, 333}},        {IDB_FEATURES, {300, 400}},
        {IDB_MASCOT, {60, 100}},        {IDB_CREATURE, {60, 100}},
        {IDB_MINIMUM_SPEC, {233, 240}}, {IDB_RECOMMENDED_SPEC, {233, 300}},
    };
    std::map<UINT, QSize> actual;
    for (const BitmapResource& bitmap : ProgramResources().bitmaps)
        actual[bitmap.id] = QImage(QString::fromUtf8(bitmap.path)).size();
    EXPECT_EQ(actual, expected);
}

TEST(ProgramResourcesTest, TheIconIsOne32By32Image) {
    ASSERT_EQ(ProgramResources().icons.size(), 1u);
    const IconResource& icon = ProgramResources().icons.front();
    EXPECT_EQ(icon.id, static_cast<UINT>(IDI_SETUP_ICON));
    EXPECT_EQ(QImage(QString::fromUtf8(icon.path)).size(), QSize(32, 32));
}

} // namespace
