#pragma once

#include <ostream>
#include <string>
#include <vector>

// The cases of tests/support/field_texts.txt: a text in one date field, and
// whether the program takes it.
struct FieldText {
    bool takes = false;
    int field = 0; // IDC_EDIT_YEAR, IDC_EDIT_MONTH or IDC_EDIT_DAY
    std::u16string text;
    std::string what;
};

const std::vector<FieldText>& FieldTexts();

// Names a case in a test's report.
inline void PrintTo(const FieldText& text, std::ostream* out) {
    *out << text.what;
}
