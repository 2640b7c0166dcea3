#include "config/pages/DecimalText.h"

namespace solune {

int ReadDecimal(const QString& text) {
    constexpr int kLimit = 999999999;
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    int value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > kLimit) {
            value = kLimit;
        }
    }
    return negative ? -value : value;
}

}  // namespace solune
