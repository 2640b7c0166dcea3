#include "shared/skin/QtMessageSink.h"

#include <QMessageBox>

namespace solune {

QtMessageSink::QtMessageSink(QString title) : m_title(std::move(title)) {}

void QtMessageSink::showMessage(std::string_view text) {
    QMessageBox::information(nullptr, m_title,
                             QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                             QMessageBox::Ok);
}

}  // namespace solune
