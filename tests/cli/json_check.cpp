#include "json_check.h"

#include <cstring>

namespace {

// A strict recursive-descent reader that only says whether the text is JSON.
class JsonCheck {
public:
    explicit JsonCheck(std::string_view text) : text_(text) {}

    bool Whole() {
        Blanks();
        if (!Value()) {
            return false;
        }
        Blanks();
        return i_ == text_.size();
    }

private:
    bool Value() {
        if (i_ >= text_.size()) {
            return false;
        }
        switch (text_[i_]) {
        case '{':
            return Members();
        case '[':
            return Elements();
        case '"':
            return String();
        case 't':
            return Word("true");
        case 'f':
            return Word("false");
        case 'n':
            return Word("null");
        default:
            return Number();
        }
    }

    bool Members() {
        ++i_;
        Blanks();
        if (Take('}')) {
            return true;
        }
        do {
            Blanks();
            if (i_ >= text_.size() || text_[i_] != '"' || !String()) {
                return false;
            }
            Blanks();
            if (!Take(':')) {
                return false;
            }
            Blanks();
            if (!Value()) {
                return false;
            }
            Blanks();
        } while (Take(','));
        return Take('}');
    }

    bool Elements() {
        ++i_;
        Blanks();
        if (Take(']')) {
            return true;
        }
        do {
            Blanks();
            if (!Value()) {
                return false;
            }
            Blanks();
        } while (Take(','));
        return Take(']');
    }

    bool String() {
        ++i_;
        while (i_ < text_.size()) {
            const auto c = static_cast<unsigned char>(text_[i_]);
            if (c == '"') {
                ++i_;
                return true;
            }
            if (c < 0x20) {
                return false;
            }
            if (c == '\\') {
                if (!Escape()) {
                    return false;
                }
            } else if (c >= 0x80) {
                if (!Utf8()) {
                    return false;
                }
            } else {
                ++i_;
            }
        }
        return false;
    }

    bool Escape() {
        ++i_;
        if (i_ >= text_.size()) {
            return false;
        }
        const char c = text_[i_++];
        if (c == 'u') {
            for (int k = 0; k < 4; ++k, ++i_) {
                if (i_ >= text_.size() || std::strchr("0123456789abcdefABCDEF", text_[i_]) == nullptr) {
                    return false;
                }
            }
            return true;
        }
        return std::strchr("\"\\/bfnrt", c) != nullptr && c != '\0';
    }

    // One well-formed multi-byte sequence.
    bool Utf8() {
        const auto lead = static_cast<unsigned char>(text_[i_]);
        int length = 0;
        char32_t point = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            point = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            point = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            point = lead & 0x07;
        } else {
            return false;
        }
        for (int k = 1; k < length; ++k) {
            if (i_ + k >= text_.size() || (static_cast<unsigned char>(text_[i_ + k]) & 0xC0) != 0x80) {
                return false;
            }
            point = (point << 6) | (static_cast<unsigned char>(text_[i_ + k]) & 0x3F);
        }
        i_ += length;
        const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        return point >= least[length] && point <= 0x10FFFF && (point < 0xD800 || point > 0xDFFF);
    }

    bool Number() {
        Take('-');
        if (!Take('0') && !Digits()) {
            return false;
        }
        if (Take('.') && !Digits()) {
            return false;
        }
        if (Take('e') || Take('E')) {
            if (!Take('+')) {
                Take('-');
            }
            return Digits();
        }
        return true;
    }

    bool Digits() {
        const std::size_t start = i_;
        while (i_ < text_.size() && text_[i_] >= '0' && text_[i_] <= '9') {
            ++i_;
        }
        return i_ > start;
    }

    bool Word(std::string_view word) {
        if (text_.substr(i_, word.size()) != word) {
            return false;
        }
        i_ += word.size();
        return true;
    }

    bool Take(char c) {
        if (i_ < text_.size() && text_[i_] == c) {
            ++i_;
            return true;
        }
        return false;
    }

    void Blanks() {
        while (i_ < text_.size() && std::strchr(" \t\r\n", text_[i_]) != nullptr && text_[i_] != '\0') {
            ++i_;
        }
    }

    std::string_view text_;
    std::size_t i_ = 0;
};

} // namespace

bool IsValidJson(std::string_view text) {
    return JsonCheck(text).Whole();
}
