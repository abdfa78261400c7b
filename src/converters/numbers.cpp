#include "converters/numbers.h"

#include <array>

#include "converters/roman.h"
#include "dialog/number_text.h"

Numbers::Numbers() {
    bind(1010, m_roman);
    bind(1011, m_arabic);
}

std::span<const MessageEntry<Numbers>> Numbers::messageMap() {
    static constexpr std::array<MessageEntry<Numbers>, 3> kMap{{
        {1000, &Numbers::OnToArabic},
        {1001, &Numbers::OnClearData},
        {1002, &Numbers::OnToRoman},
    }};
    return kMap;
}

void Numbers::OnToRoman() {
    readAllFields();
    m_roman.clear();
    // atoi's reading: the leading number only, saturated to 32 bits, so
    // '12abc' is 12, '3999.9' is 3999 and '99999999999' is out of range.
    const int n = numtext::readInteger(m_arabic);
    if (n < roman::kSmallest || n > roman::kLargest) {
        message(kOutOfRange);
        m_arabic.clear();
    } else {
        m_roman = roman::write(n);
    }
    writeAllFields();
}

void Numbers::OnToArabic() {
    readAllFields();
    const std::optional<int> value = roman::read(m_roman);
    if (!value) {
        message(kNotANumeral);
        return;
    }
    m_arabic = numtext::formatInt(*value);
    writeAllFields();
}

void Numbers::OnClearData() {
    readAllFields();
    m_roman.clear();
    m_arabic.clear();
    writeAllFields();
}
