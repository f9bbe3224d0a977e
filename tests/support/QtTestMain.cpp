#include "support/LeftoverWindowCheck.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

QtMessageHandler g_standardHandler = nullptr;

// The offscreen platform says so each time a window is raised; that is no news to a test.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("does not support raise()"))) {
        return;
    }
    g_standardHandler(type, context, message);
}

} // namespace

// Widget tests need one QApplication for the whole program; it must exist before any test runs.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    g_standardHandler = qInstallMessageHandler(quietMessages);
    QApplication app(argc, argv);
    // Dialogs come and go between modal runs; a closed last window must not end every loop.
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new vorn::test::LeftoverWindowCheck);
    return RUN_ALL_TESTS();
}
