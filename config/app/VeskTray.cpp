#include "config/app/VeskTray.h"

#include <QCursor>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include "shared/skin/CVixMenu.h"

namespace solune {

namespace {

constexpr int kMenuWidth = 120;

// The icon: the accent-coloured ring of the artwork on the dark background,
// drawn on a 32-unit square at `scale` (the pixmap carries it as its device
// pixel ratio, so the ring and the letter are drawn on the finer grid).
QPixmap TrayPixmap(int scale) {
    QPixmap picture(32 * scale, 32 * scale);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0x20, 0x20, 0x20));
    painter.setPen(QPen(QColor(0xB3, 0xD3, 0x35), 3));
    painter.drawEllipse(3, 3, 26, 26);
    painter.setPen(QColor(0xB3, 0xD3, 0x35));
    QFont font = painter.font();
    font.setPixelSize(16);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("S"));
    painter.end();
    return picture;
}

// The tray asks for the size its panel has, at the screen's scale: the icon
// holds the picture at one, two and three pixels per unit.
QIcon TrayPicture() {
    QIcon icon;
    for (int scale : {1, 2, 3}) {
        icon.addPixmap(TrayPixmap(scale));
    }
    return icon;
}

}  // namespace

VeskTray::VeskTray(QWidget& window) : m_window(window), m_icon(TrayPicture()) {
    m_icon.setToolTip(QString::fromLatin1(kTrayTip));
    QObject::connect(
        &m_icon, &QSystemTrayIcon::activated, this,
        [this](QSystemTrayIcon::ActivationReason reason) { Activated(reason, QCursor::pos()); });
}

void VeskTray::Add() {
    m_icon.show();
}

void VeskTray::Remove() {
    m_icon.hide();
}

void VeskTray::ShowSecondTipLine(const QString& line) {
    QString tip = QString::fromLatin1(kTrayTip);
    if (!line.isEmpty()) {
        tip += QLatin1Char('\n') + line;
    }
    if (m_icon.toolTip() != tip) {
        m_icon.setToolTip(tip);
    }
}

void VeskTray::Activated(QSystemTrayIcon::ActivationReason reason, QPoint cursor) {
    if (reason == QSystemTrayIcon::DoubleClick) {
        m_window.show();
        m_window.raise();
        m_window.activateWindow();
    } else if (reason == QSystemTrayIcon::Context) {
        ShowMenu(cursor);
    }
}

void VeskTray::ShowMenu(QPoint cursor) {
    if (m_menu == nullptr) {
        m_menu = new CVixMenu;
        m_menu->setObjectName(QStringLiteral("menu"));
        m_menu->Create(kTrayMenuId, &m_window, QRect(0, 0, kMenuWidth, 10));
        m_menu->AddItem(kTrayConfigMouse, QStringLiteral("Config Mouse"));
        m_menu->AddItem(kTrayExit, QStringLiteral("Exit"));
    }
    // Lower right corner at the pointer, on top of everything.
    m_menu->ShowAt(3, cursor.x(), cursor.y());
}

}  // namespace solune
