#include "config/app/ScreenshotCrops.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWindow>
#include <cstdio>

#include "config/app/CVESKDlg.h"
#include "config/macros/widgets/CVixMacroCtrl.h"
#include "shared/skin/CVixComboButton.h"
#include "shared/skin/CVixEdit.h"
#include "shared/skin/SkinMenu.h"

namespace solune {
namespace {

constexpr int kZoom = 3;

// Pointer input at `pos` of `widget`, through its window, as the window
// system delivers it.
void MoveTo(QWidget* widget, QPoint pos) {
    QWidget* top = widget->window();
    QTest::mouseMove(top->windowHandle(), widget->mapTo(top, pos));
}

void Click(QWidget* widget, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
    QWidget* top = widget->window();
    const QPoint at = widget->mapTo(top, pos);
    QTest::mouseMove(top->windowHandle(), at);
    QTest::mousePress(top->windowHandle(), button, Qt::NoModifier, at);
    QTest::mouseRelease(top->windowHandle(), button, Qt::NoModifier, at);
    QCoreApplication::processEvents();
}

void Click(QWidget* widget) {
    Click(widget, widget->rect().center());
}

QPoint RowCentre(const SkinMenu& menu, const QString& text) {
    for (int i = 0; i < menu.rowCount(); ++i) {
        if (menu.row(i).text == text) {
            const MenuRect& r = menu.row(i).rect;
            return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        }
    }
    return {-1, -1};
}

// Moves over the row `text` of `menu` and returns the sub-menu it opens.
SkinMenu* HoverRow(SkinMenu& menu, const QString& text) {
    const QPoint at = RowCentre(menu, text);
    MoveTo(&menu, at - QPoint(0, 1));
    MoveTo(&menu, at);
    QCoreApplication::processEvents();
    for (int i = 0; i < menu.rowCount(); ++i) {
        if (menu.row(i).text == text && menu.row(i).hasSubMenu) {
            return menu.GetSubMenu(menu.row(i).id);
        }
    }
    return nullptr;
}

class CropWriter {
  public:
    explicit CropWriter(QString folder) : m_folder(std::move(folder)) {}

    // `area` of `widget` (its whole picture when `area` is empty).
    void Write(const char* name, QWidget* widget, QRect area = {}) {
        if (widget == nullptr) {
            return;
        }
        QImage image = widget->grab().toImage();
        if (!area.isEmpty()) {
            image = image.copy(area);
        }
        image = image.scaled(image.size() * kZoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const QString file = m_folder + QStringLiteral("/crop-%1.png").arg(name);
        if (image.save(file)) {
            std::printf("%s\n", qPrintable(file));
            ++m_written;
        }
    }
    int written() const { return m_written; }

  private:
    QString m_folder;
    int m_written = 0;
};

// Three macros named alike, and a long one, made on the macro page as a user
// makes them; the last gets a "Forward button" click with a delay of 1307 ms.
void MakeMacros(CVESKDlg& window) {
    window.ShowPage(3);
    QCoreApplication::processEvents();
    auto* newMacro = window.findChild<QWidget*>(QStringLiteral("New Macro"));
    for (const char* name : {"Jump", "Jump(1)", "jUMP", "Open the browser and type the address"}) {
        Click(newMacro);
        if (auto* edit = window.findChild<CVixEdit*>(QStringLiteral("MacroNameEdit"))) {
            QTest::keyClicks(edit, QString::fromLatin1(name));
            QTest::keyClick(edit, Qt::Key_Return);
        }
    }
}

void InsertForwardClick(CVixMacroCtrl& events) {
    Click(&events, {20, 10}, Qt::RightButton);
    SkinMenu* menu = events.contextMenu();
    if (SkinMenu* insert = HoverRow(*menu, QStringLiteral("Insert mouse event"))) {
        if (SkinMenu* forward = HoverRow(*insert, QStringLiteral("Forward button"))) {
            Click(forward, RowCentre(*forward, QStringLiteral("Click")));
        }
    }
}

void WriteMacroPageCrops(CVESKDlg& window, CropWriter& crops) {
    auto* events = window.findChild<CVixMacroCtrl*>(QStringLiteral("Events"));
    if (events == nullptr || events->contextMenu() == nullptr) {
        std::fprintf(stderr, "vesk-screenshots: the macro page has no event list\n");
        return;
    }
    InsertForwardClick(*events);
    // The event list's menu chain down to "Forward button".
    Click(events, {20, 10}, Qt::RightButton);
    SkinMenu* menu = events->contextMenu();
    SkinMenu* insert = HoverRow(*menu, QStringLiteral("Insert mouse event"));
    SkinMenu* forward = insert ? HoverRow(*insert, QStringLiteral("Forward button")) : nullptr;
    crops.Write("event-menu", menu);
    crops.Write("event-mouse-menu", insert);
    crops.Write("event-down-up-click-menu", forward);
    menu->Close();
    // A delay of more than a second, typed into the row's delay edit.
    Click(events, {20, 10});
    Click(events, {20, 10}, Qt::RightButton);
    Click(menu, RowCentre(*menu, QStringLiteral("Edit delay")));
    if (CVixEdit* delay = events->delayEdit()) {
        QTest::keyClicks(delay, QStringLiteral("1307"));
        QTest::keyClick(delay, Qt::Key_Return);
    }
    crops.Write("event-rows", events, QRect(0, 0, events->width(), 60));
}

void WriteButtonPageCrops(CVESKDlg& window, CropWriter& crops) {
    window.ShowPage(0);
    QCoreApplication::processEvents();
    auto* selector = window.findChild<CVixComboButton*>(QStringLiteral("Function1"));
    if (selector == nullptr) {
        return;
    }
    Click(selector);
    SkinMenu* menu = selector->menu();
    SkinMenu* macros = HoverRow(*menu, QStringLiteral("Assign record macro"));
    crops.Write("function-menu", menu);
    crops.Write("macro-menu", macros);
    menu->Close();
    // The page's look: the report rates, the sliders' stops.
    const QPoint page(9, 209);
    crops.Write("report-rates", &window, QRect(page + QPoint(268, 310), QSize(240, 40)));
    crops.Write("slider-ticks", &window, QRect(page + QPoint(540, 50), QSize(215, 240)));
}

void WriteOtherPageCrops(CVESKDlg& window, CropWriter& crops) {
    const QPoint page(9, 209);
    window.ShowPage(1);
    QCoreApplication::processEvents();
    crops.Write("stage-numbers", &window, QRect(page + QPoint(230, 8), QSize(290, 85)));
    window.ShowPage(2);
    QCoreApplication::processEvents();
    crops.Write("lighting-choices", &window, QRect(page + QPoint(40, 40), QSize(180, 305)));
    crops.Write("rgb-edits", &window, QRect(page + QPoint(535, 240), QSize(155, 62)));
    if (auto* profileMenu = window.findChild<CVixComboButton*>(QStringLiteral("1"))) {
        Click(profileMenu);
        crops.Write("profile-menu", profileMenu->menu());
        profileMenu->menu()->Close();
    }
}

}  // namespace

int WriteScreenshotCrops(CVESKDlg& window, const QString& folder) {
    CropWriter crops(folder);
    MakeMacros(window);
    WriteMacroPageCrops(window, crops);
    WriteButtonPageCrops(window, crops);
    WriteOtherPageCrops(window, crops);
    return crops.written();
}

}  // namespace solune
