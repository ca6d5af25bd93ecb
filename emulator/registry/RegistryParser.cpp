#include <algorithm>
#include <cctype>
#include <optional>

#include <winreg.h>

#include "kernel/EventLog.h"
#include "registry/RegistryText.h"

namespace emu {

namespace {

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";

std::string_view trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// Reads the text line by line, keeping the number of the line last read.
class Lines {
public:
    explicit Lines(std::string_view text) : rest_(text) {}
    bool next(std::string_view& line) {
        if (rest_.empty()) return false;
        auto end = rest_.find('\n');
        line = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ++number_;
        return true;
    }
    int number() const { return number_; }

private:
    std::string_view rest_;
    int number_ = 0;
};

class Parser {
public:
    explicit Parser(std::string_view text) : lines_(text) {}

    RegistryParseResult run() {
        std::string_view line;
        if (!read_header()) return std::move(result_);
        while (lines_.next(line) && parse_line(trim(line))) {}
        return std::move(result_);
    }

private:
    bool read_header() {
        std::string_view line;
        while (lines_.next(line)) {
            line = trim(line);
            if (line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);
            if (line.empty()) continue;
            return line == kHeader || fail("expected \"Windows Registry Editor Version 5.00\"");
        }
        return fail("the file is empty");
    }

    bool parse_line(std::string_view line) {
        if (line.empty() || line.front() == ';') return true;
        if (line.front() == '[') return parse_key(line);
        if (!key_) return fail("a value stands before the first [key]");
        return parse_value(line);
    }

    bool parse_key(std::string_view line) {
        if (line.back() != ']') return fail("a key line must end with ']'");
        auto path_text = widen_utf8(line.substr(1, line.size() - 2));
        std::wstring_view path = path_text;
        key_ = result_.tree.root_of(path);
        if (!key_) return fail("unknown root key");
        if (path.empty()) return true;
        auto names = split_key_path(path);
        if (names.empty()) return fail("empty key name");
        for (auto name : names) {
            if (!valid_registry_name(name)) return fail("a key name holds a control character or is too long");
            bool created;
            key_ = key_->make_child(name, created).get();
        }
        return true;
    }

    bool parse_value(std::string_view line) {
        RegistryValue value;
        if (line.front() == '@') {
            line.remove_prefix(1);
        } else {
            auto name = quoted(line);
            if (!name) return false;
            value.name = widen_utf8(*name);
            if (!valid_registry_name(value.name)) return fail("a value name holds a control character or is too long");
        }
        line = trim(line);
        if (!line.starts_with('=')) return fail("expected '=' after the value name");
        line = trim(line.substr(1));
        if (!parse_data(line, value)) return false;
        key_->set_value(std::move(value));
        return true;
    }

    bool parse_data(std::string_view text, RegistryValue& value) {
        if (text.starts_with('"')) {
            auto s = quoted(text);
            if (!s) return false;
            if (!trim(text).empty()) return fail("unexpected text after the closing quote");
            value.type = REG_SZ;
            value.data = string_data(widen_utf8(*s));
            return true;
        }
        if (text.starts_with("dword:")) return parse_dword(text.substr(6), value);
        if (text.starts_with("hex:")) {
            value.type = REG_BINARY;
            return parse_hex(text.substr(4), value.data);
        }
        if (text.starts_with("hex(")) return parse_typed_hex(text.substr(4), value);
        return fail("expected \"text\", dword:, hex: or hex(type):");
    }

    bool parse_dword(std::string_view digits, RegistryValue& value) {
        digits = trim(digits);
        if (digits.empty() || digits.size() > 8) return fail("a dword needs 1 to 8 hex digits");
        DWORD number = 0;
        for (char c : digits) {
            if (hex_digit(c) < 0) return fail("a dword needs 1 to 8 hex digits");
            number = number << 4 | static_cast<DWORD>(hex_digit(c));
        }
        value.type = REG_DWORD;
        value.data.resize(4);
        for (int i = 0; i < 4; ++i) value.data[i] = static_cast<BYTE>(number >> (8 * i));
        return true;
    }

    bool parse_typed_hex(std::string_view text, RegistryValue& value) {
        auto close = text.find("):");
        if (close == std::string_view::npos || close == 0 || close > 8) return fail("expected hex(type):");
        value.type = 0;
        for (char c : text.substr(0, close)) {
            if (hex_digit(c) < 0) return fail("the type of hex(type) must be a hex number");
            value.type = value.type << 4 | static_cast<DWORD>(hex_digit(c));
        }
        return parse_hex(text.substr(close + 2), value.data);
    }

    // Bytes as two hex digits each, separated by commas; a trailing backslash continues the
    // list on the next line.
    bool parse_hex(std::string_view text, std::vector<BYTE>& bytes) {
        while (true) {
            text = trim(text);
            if (text == "\\") {
                if (!lines_.next(text)) return fail("the file ends inside a hex list");
                continue;
            }
            if (text.empty()) return true;
            if (text.size() < 2 || hex_digit(text[0]) < 0 || hex_digit(text[1]) < 0)
                return fail("expected two hex digits");
            bytes.push_back(static_cast<BYTE>(hex_digit(text[0]) << 4 | hex_digit(text[1])));
            text = trim(text.substr(2));
            if (text.starts_with(',')) text.remove_prefix(1);
            else if (!text.empty() && text != "\\") return fail("expected ',' between hex bytes");
        }
    }

    // A quoted string at the start of `text` with \\ and \" escapes; `text` moves past it.
    std::optional<std::string> quoted(std::string_view& text) {
        if (!text.starts_with('"')) return fail("expected a quoted name"), std::nullopt;
        std::string out;
        for (std::size_t i = 1; i < text.size(); ++i) {
            char c = text[i];
            if (c == '"') {
                text.remove_prefix(i + 1);
                return out;
            }
            if (c == '\\') {
                if (++i == text.size() || (text[i] != '\\' && text[i] != '"'))
                    return fail("only \\\\ and \\\" may follow a backslash"), std::nullopt;
                c = text[i];
            }
            out += c;
        }
        return fail("missing closing quote"), std::nullopt;
    }

    bool fail(std::string message) {
        result_.error_line = std::max(lines_.number(), 1);
        result_.error = std::move(message);
        return false;
    }

    Lines lines_;
    RegistryParseResult result_;
    RegistryKey* key_ = nullptr;
};

}  // namespace

RegistryParseResult parse_registry_text(std::string_view text) { return Parser(text).run(); }

}  // namespace emu
