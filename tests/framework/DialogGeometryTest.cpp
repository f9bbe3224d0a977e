// Where templates put things: dialog units, the dialog font, pictures, window styles and places.

#include "RecordingDialog.h"
#include "TestApp.h"
#include "framework/DialogUnits.h"
#include "framework/WindowBridge.h"
#include "support/ModalHelper.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QWidget>
#include <memory>

namespace vorn::test {
namespace {

using vorn::fw::DialogUnits;
using vorn::fw::MulDiv;
using vorn::fw::WidgetFromHandle;

class DialogGeometryTest : public FrameworkTest {
protected:
    static QSize baseUnits() {
        return vorn::fw::DialogBaseUnits(vorn::fw::DialogFont("MS Sans Serif", 8));
    }
};

TEST(MulDivTest, RoundsHalfAwayFromZero) {
    struct Case {
        int a, b, c, result;
    };
    const Case cases[] = {
        {297, 6, 4, 446}, {170, 6, 4, 255}, {205, 13, 8, 333}, {246, 13, 8, 400},
        {7, 13, 8, 11},   {-3, 6, 4, -5},   {3, -6, 4, -5},    {5, 5, 0, -1},
        {0, 13, 8, 0},    {1, 1, 3, 0},     {2, 1, 3, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.result) << c.a << "*" << c.b << "/" << c.c;
    }
}

TEST(DialogUnitsTest, ConvertsThroughTheBaseUnits) {
    // At the original platform's 6 x 13 the program's pictures fit their controls exactly.
    DialogUnits units(QFont(), QSize(6, 13));
    EXPECT_EQ(units.toPixels(5, 5, 170, 205), QRect(8, 8, 255, 333));
    EXPECT_EQ(units.toPixelsSize(200, 246), QSize(300, 400));
    EXPECT_EQ(units.toPixelsSize(155, 148), QSize(233, 241));
    EXPECT_EQ(units.toPixelsSize(40, 62), QSize(60, 101));
    EXPECT_EQ(units.fromPixelsX(255), 170);
    EXPECT_EQ(units.fromPixelsY(333), 205);
}

TEST_F(DialogGeometryTest, TheStandInFontGivesTheOriginalBaseUnits) {
    QFont font = vorn::fw::DialogFont("MS Sans Serif", 8);
    EXPECT_EQ(font.family(), QString("DejaVu Sans Condensed"));
    EXPECT_EQ(QFontInfo(font).family(),
              QString("DejaVu Sans Condensed")); // installed, not a fallback
    EXPECT_EQ(font.pixelSize(), 11);
    EXPECT_EQ(baseUnits(), QSize(6, 13));
}

TEST_F(DialogGeometryTest, ControlsSitAtTheirTemplatePositions) {
    CRecordingDlg dlg(IDD_KEYS);
    ASSERT_TRUE(dlg.Create(IDD_KEYS));
    QWidget* window = WidgetFromHandle(dlg.m_hWnd);
    DialogUnits units(QFont(), baseUnits());
    EXPECT_EQ(window->size(), units.toPixelsSize(180, 115));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()); // a fixed dialog frame
    struct Case {
        int id;
        QRect unitsRect;
    };
    const Case cases[] = {
        {IDC_ALPHA, {7, 7, 50, 14}},  {IDC_CHECK, {70, 7, 60, 10}}, {IDC_RED, {70, 25, 40, 10}},
        {IDC_LIST, {7, 65, 100, 40}}, {IDC_NAME, {120, 65, 40, 8}}, {IDCANCEL, {120, 95, 50, 14}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(control(window, c.id)->geometry(),
                  units.toPixels(c.unitsRect.x(), c.unitsRect.y(), c.unitsRect.width(),
                                 c.unitsRect.height()));
    }
    RECT client{};
    dlg.GetClientRect(&client);
    EXPECT_EQ(client.right, window->width());
    EXPECT_EQ(client.bottom, window->height());
}

TEST_F(DialogGeometryTest, PicturesKeepTheirPixelsWhetherPlainOrCentredInAFrame) {
    CRecordingDlg dlg(IDD_PICTURES);
    ASSERT_TRUE(dlg.Create(IDD_PICTURES));
    QWidget* window = WidgetFromHandle(dlg.m_hWnd);
    DialogUnits units(QFont(), baseUnits());

    // Plain: the picture's own size at the control's position.
    QWidget* plain = control(window, IDC_PLAIN_PICTURE);
    EXPECT_EQ(plain->geometry(), QRect(units.toPixels(10, 20), QSize(40, 30)));
    QImage plainImage = plain->grab().toImage();
    EXPECT_EQ(plainImage.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(plainImage.pixelColor(39, 29), QColor(Qt::blue));

    // Centred: the template's size, a black border, a sunken edge, the picture in the middle.
    QWidget* framed = control(window, IDC_FRAMED_PICTURE);
    QRect frameRect = units.toPixels(50, 10, 40, 40);
    EXPECT_EQ(framed->geometry(), frameRect);
    QImage image = framed->grab().toImage();
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(frameRect.width() - 1, frameRect.height() - 1), QColor(Qt::black));
    int left = 2 + (frameRect.width() - 4 - 40) / 2;
    int top = 2 + (frameRect.height() - 4 - 30) / 2;
    EXPECT_EQ(image.pixelColor(left, top), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(left + 39, top + 29), QColor(Qt::blue));
    EXPECT_NE(image.pixelColor(left - 1, top), QColor(Qt::red));
    EXPECT_NE(image.pixelColor(left + 40, top + 29), QColor(Qt::blue));

    // A frame smaller than its picture clips it and keeps the frame.
    QWidget* small = control(window, IDC_SMALL_FRAME);
    QRect smallRect = units.toPixels(100, 10, 10, 10);
    ASSERT_LT(smallRect.width() - 4, 40);
    EXPECT_EQ(small->geometry(), smallRect);
    QImage clipped = small->grab().toImage();
    EXPECT_EQ(clipped.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(clipped.pixelColor(2, 2), QColor(Qt::red));
    EXPECT_EQ(clipped.pixelColor(smallRect.width() - 3, 2), QColor(Qt::blue));
    EXPECT_EQ(clipped.pixelColor(smallRect.width() - 1, 2), QColor(Qt::black));
}

TEST_F(DialogGeometryTest, WindowStylesDecideTheTitleBarAndTheStacking) {
    struct Case {
        UINT id;
        bool closeButton;
        bool onTop;
    };
    const Case cases[] = {
        {IDD_PLAIN, false, true},   // no WS_SYSMENU, DS_SYSMODAL
        {IDD_SYSMENU, true, false}, // WS_SYSMENU
        {IDD_OWNED, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        CRecordingDlg dlg(c.id);
        ASSERT_TRUE(dlg.Create(c.id));
        Qt::WindowFlags flags = WidgetFromHandle(dlg.m_hWnd)->windowFlags();
        EXPECT_EQ(flags.testFlag(Qt::WindowCloseButtonHint), c.closeButton);
        EXPECT_EQ(flags.testFlag(Qt::WindowSystemMenuHint), c.closeButton);
        EXPECT_EQ(flags.testFlag(Qt::WindowStaysOnTopHint), c.onTop);
        EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    }
}

TEST_F(DialogGeometryTest, UnownedDialogsAtZeroAndCentredOnesSitInTheMiddleOfTheWorkArea) {
    QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    for (UINT id : {IDD_PLAIN, IDD_SYSMENU}) { // DS_CENTER; unowned at 0, 0
        SCOPED_TRACE(id);
        CRecordingDlg dlg(id);
        ASSERT_TRUE(dlg.Create(id));
        QWidget* window = WidgetFromHandle(dlg.m_hWnd);
        EXPECT_EQ(window->pos(), QPoint(work.left() + (work.width() - window->width()) / 2,
                                        work.top() + (work.height() - window->height()) / 2));
    }
}

TEST_F(DialogGeometryTest, AnOwnedDialogIsPlacedFromItsOwnersClientArea) {
    CRecordingDlg owner(IDD_KEYS);
    ASSERT_TRUE(owner.Create(IDD_KEYS));
    CRecordingDlg owned(IDD_OWNED, &owner);
    ASSERT_TRUE(owned.Create(IDD_OWNED, &owner));
    QWidget* ownerWindow = WidgetFromHandle(owner.m_hWnd);
    DialogUnits units(QFont(), baseUnits());
    EXPECT_EQ(WidgetFromHandle(owned.m_hWnd)->pos(),
              ownerWindow->mapToGlobal(QPoint(0, 0)) + units.toPixels(4, 6));
    EXPECT_TRUE(owned.IsWindowVisible()); // WS_VISIBLE: shown by Create
}

// A dialog that paints its icon itself, as a minimised launcher does.
class CPaintingDlg : public CRecordingDlg {
public:
    CPaintingDlg() : CRecordingDlg(IDD_PICTURES) {}
    HICON m_hIcon = nullptr;
    int paints = 0;
    bool drawIcon = false;

protected:
    void OnPaint() {
        ++paints;
        if (!drawIcon) {
            Default();
            return;
        }
        CPaintDC dc(this);
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
        RECT rect{};
        GetClientRect(&rect);
        int x = (rect.right - rect.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
        int y = (rect.bottom - rect.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
        dc.DrawIcon(x, y, m_hIcon);
    }
    HCURSOR OnQueryDragIcon() { return m_hIcon; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaintingDlg, CRecordingDlg)
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
END_MESSAGE_MAP()

TEST_F(DialogGeometryTest, IconsArePaintedSetAndQueriedThroughTheMessageMap) {
    HICON icon = LoadIcon(TestModule(), MAKEINTRESOURCE(IDI_TEST_ICON));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(LoadIcon(TestModule(), MAKEINTRESOURCE(IDI_TEST_ICON)), icon); // shared
    EXPECT_EQ(LoadIcon(TestModule(), MAKEINTRESOURCE(999)), nullptr);
    EXPECT_EQ(GetSystemMetrics(SM_CXICON), 32);
    EXPECT_EQ(GetSystemMetrics(SM_CYICON), 32);

    CPaintingDlg dlg;
    dlg.m_hIcon = icon;
    ASSERT_TRUE(dlg.Create(IDD_PICTURES));
    QWidget* window = WidgetFromHandle(dlg.m_hWnd);
    EXPECT_EQ(dlg.SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon)), 0);
    EXPECT_EQ(dlg.SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon)), 0);
    EXPECT_EQ(dlg.SendMessage(WM_GETICON, ICON_BIG, 0), reinterpret_cast<LRESULT>(icon));
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(dlg.SendMessage(WM_QUERYDRAGICON, 0, 0), reinterpret_cast<LRESULT>(icon));

    window->grab(); // ordinary painting goes through OnPaint and Default
    EXPECT_GE(dlg.paints, 1);
    dlg.drawIcon = true;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        child->hide(); // only the dialog's own painting shows
    }
    QImage image = window->grab().toImage();
    QPoint centre((window->width() - 32 + 1) / 2 + 16, (window->height() - 32 + 1) / 2 + 16);
    EXPECT_EQ(image.pixelColor(centre), QColor(0, 160, 0));
    EXPECT_EQ(image.pixelColor(1, 1), window->palette().window().color());
    EXPECT_FALSE(dlg.IsIconic());
}

} // namespace
} // namespace vorn::test
