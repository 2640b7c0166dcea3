#include "config/pages/SkinMessageSink.h"

#include <QApplication>

#include "shared/skin/SkinMessageBox.h"

namespace solune {

SkinMessageSink::SkinMessageSink(QString title) : m_title(std::move(title)) {}

void SkinMessageSink::showMessage(std::string_view text) {
    SkinMessageBox box(m_title,
                       QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                       QApplication::activeWindow());
    box.DoModal();
}

}  // namespace solune
