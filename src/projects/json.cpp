#include "projects/json.h"

#include "engine/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace varnel::projects::json {

const Value* member(const Object& object, std::string_view name) {
    for (const Member& m : object)
        if (m.first == name)
            return &m.second;
    return nullptr;
}

namespace {

// The length of the UTF-8 sequence that starts the text, or 0 where the text does not start with a
// well-formed one (overlong forms, surrogates and code points beyond U+10FFFF are not well-formed).
std::size_t utf8Length(std::string_view s) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const auto continuation = [&](std::size_t i) { return i < s.size() && (byte(i) & 0xC0) == 0x80; };
    const unsigned char b = byte(0);
    if (b < 0x80)
        return 1;
    if (b >= 0xC2 && b <= 0xDF)
        return continuation(1) ? 2 : 0;
    if (b >= 0xE0 && b <= 0xEF) {
        if (!continuation(1) || !continuation(2))
            return 0;
        if ((b == 0xE0 && byte(1) < 0xA0) || (b == 0xED && byte(1) >= 0xA0))
            return 0;
        return 3;
    }
    if (b >= 0xF0 && b <= 0xF4) {
        if (!continuation(1) || !continuation(2) || !continuation(3))
            return 0;
        if ((b == 0xF0 && byte(1) < 0x90) || (b == 0xF4 && byte(1) >= 0x90))
            return 0;
        return 4;
    }
    return 0;
}

void appendUtf8(std::string& out, std::uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

struct Failure {
    std::string what;
    std::size_t offset;
};

class Reader {
  public:
    Reader(std::string_view text, Limits limits) : m_text(text), m_limits(limits) {}

    Value document() {
        skipBlanks();
        Value v = value(0);
        skipBlanks();
        if (m_pos != m_text.size())
            fail("值的后面还有多余的内容");
        return v;
    }

  private:
    [[noreturn]] void fail(std::string what) const { throw Failure{std::move(what), m_pos}; }

    bool atEnd() const { return m_pos >= m_text.size(); }
    char peek() const { return atEnd() ? '\0' : m_text[m_pos]; }

    void skipBlanks() {
        while (!atEnd() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r'))
            ++m_pos;
    }

    void expect(char c, const char* what) {
        if (peek() != c || atEnd())
            fail(what);
        ++m_pos;
    }

    void word(std::string_view w) {
        if (m_text.substr(m_pos, w.size()) != w)
            fail("无法识别的值");
        m_pos += w.size();
    }

    Value value(std::size_t depth) {
        if (atEnd())
            fail("内容不完整");
        switch (peek()) {
        case '{':
            return object(depth + 1);
        case '[':
            return array(depth + 1);
        case '"':
            return string();
        case 't':
            word("true");
            return true;
        case 'f':
            word("false");
            return false;
        case 'n':
            word("null");
            return nullptr;
        default:
            if (peek() == '-' || (peek() >= '0' && peek() <= '9'))
                return number();
            fail(peek() == '\0' ? "含有 NUL 字符" : "无法识别的值");
        }
    }

    void enter(std::size_t depth) {
        if (depth > m_limits.maxDepth)
            fail("嵌套层数过多");
    }

    Value object(std::size_t depth) {
        enter(depth);
        ++m_pos;
        Object members;
        skipBlanks();
        if (peek() == '}' && !atEnd()) {
            ++m_pos;
            return members;
        }
        for (;;) {
            skipBlanks();
            if (peek() != '"' || atEnd())
                fail("应为带引号的字段名");
            const std::size_t at = m_pos;
            std::string name = string();
            if (member(members, name)) {
                m_pos = at;
                fail("字段“" + name + "”出现了两次");
            }
            skipBlanks();
            expect(':', "字段名后应为冒号");
            skipBlanks();
            Value v = value(depth);
            members.emplace_back(std::move(name), std::move(v));
            skipBlanks();
            if (peek() == ',' && !atEnd()) {
                ++m_pos;
                continue;
            }
            expect('}', "应为逗号或右花括号");
            return members;
        }
    }

    Value array(std::size_t depth) {
        enter(depth);
        ++m_pos;
        Array elements;
        skipBlanks();
        if (peek() == ']' && !atEnd()) {
            ++m_pos;
            return elements;
        }
        for (;;) {
            skipBlanks();
            elements.push_back(value(depth));
            skipBlanks();
            if (peek() == ',' && !atEnd()) {
                ++m_pos;
                continue;
            }
            expect(']', "应为逗号或右方括号");
            return elements;
        }
    }

    std::uint32_t hex4() {
        std::uint32_t c = 0;
        for (int i = 0; i < 4; ++i, ++m_pos) {
            const char h = peek();
            c <<= 4;
            if (h >= '0' && h <= '9')
                c |= static_cast<std::uint32_t>(h - '0');
            else if (h >= 'a' && h <= 'f')
                c |= static_cast<std::uint32_t>(h - 'a' + 10);
            else if (h >= 'A' && h <= 'F')
                c |= static_cast<std::uint32_t>(h - 'A' + 10);
            else
                fail("\\u 后应为四位十六进制数");
        }
        return c;
    }

    std::uint32_t escapedCodePoint() {
        std::uint32_t c = hex4();
        if (c >= 0xDC00 && c <= 0xDFFF)
            fail("不成对的 UTF-16 代理项");
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (m_text.substr(m_pos, 2) != "\\u")
                fail("不成对的 UTF-16 代理项");
            m_pos += 2;
            const std::uint32_t low = hex4();
            if (low < 0xDC00 || low > 0xDFFF)
                fail("不成对的 UTF-16 代理项");
            c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        }
        if (c == 0)
            fail("含有 NUL 字符");
        return c;
    }

    // Moves past the characters of a string that stand for themselves, each checked to be well-formed
    // UTF-8, up to a quote, a backslash, a control character or the end of the text.
    void skipPlainCharacters() {
        while (!atEnd()) {
            const auto c = static_cast<unsigned char>(peek());
            if (c == '"' || c == '\\' || c < 0x20)
                return;
            const std::size_t n = c < 0x80 ? 1 : utf8Length(m_text.substr(m_pos));
            if (n == 0)
                fail("不是有效的 UTF-8 文本");
            m_pos += n;
        }
    }

    std::string string() {
        ++m_pos; // the opening quote
        std::string out;
        for (;;) {
            // What stands for itself is taken in one piece; a project file's strings are mostly that.
            const std::size_t plain = m_pos;
            skipPlainCharacters();
            out.append(m_text.substr(plain, m_pos - plain));
            if (atEnd())
                fail("字符串没有结束的引号");
            const char c = peek();
            if (c == '"') {
                ++m_pos;
                return out;
            }
            // What stops the plain text is a control character or an escape.
            if (c == '\0')
                fail("含有 NUL 字符");
            if (c != '\\')
                fail("字符串中含有控制字符");
            ++m_pos;
            const char e = peek();
            ++m_pos;
            switch (e) {
            case '"':
            case '\\':
            case '/':
                out += e;
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'u':
                appendUtf8(out, escapedCodePoint());
                break;
            default:
                --m_pos;
                fail("无效的转义序列");
            }
        }
    }

    Value number() {
        const std::size_t start = m_pos;
        const auto digits = [&] {
            const std::size_t from = m_pos;
            while (!atEnd() && peek() >= '0' && peek() <= '9')
                ++m_pos;
            return m_pos - from;
        };
        if (peek() == '-')
            ++m_pos;
        if (peek() == '0' && !atEnd())
            ++m_pos;
        else if (digits() == 0)
            fail("数字的格式不对");
        if (peek() == '.' && !atEnd()) {
            ++m_pos;
            if (digits() == 0)
                fail("数字的格式不对");
        }
        if ((peek() == 'e' || peek() == 'E') && !atEnd()) {
            ++m_pos;
            if ((peek() == '+' || peek() == '-') && !atEnd())
                ++m_pos;
            if (digits() == 0)
                fail("数字的格式不对");
        }
        double value = 0;
        const std::string_view text = m_text.substr(start, m_pos - start);
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
            m_pos = start;
            fail("数字超出范围");
        }
        return value;
    }

    std::string_view m_text;
    Limits m_limits;
    std::size_t m_pos = 0;
};

SyntaxError located(const Failure& failure, std::string_view text) {
    SyntaxError e{failure.what, 1, 1};
    for (std::size_t i = 0; i < failure.offset && i < text.size();) {
        if (text[i] == '\n') {
            ++e.line;
            e.column = 1;
            ++i;
            continue;
        }
        const std::size_t n = utf8Length(text.substr(i));
        i += n == 0 ? 1 : n;
        ++e.column;
    }
    return e;
}

void writeString(std::string& out, std::string_view s) {
    static constexpr char hex[] = "0123456789abcdef";
    out += '"';
    for (char c : s) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                out += "\\u00";
                out += hex[(c >> 4) & 0xF];
                out += hex[c & 0xF];
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

void writeValue(std::string& out, const Value& v, int indent) {
    const auto newline = [&](int level) {
        out += '\n';
        out.append(static_cast<std::size_t>(level) * 2, ' ');
    };
    if (v.isNull()) {
        out += "null";
    } else if (const bool* b = v.boolean()) {
        out += *b ? "true" : "false";
    } else if (const double* d = v.number()) {
        out += engine::exactText(*d);
    } else if (const std::string* s = v.string()) {
        writeString(out, *s);
    } else if (const Array* a = v.array()) {
        if (a->empty()) {
            out += "[]";
            return;
        }
        out += '[';
        for (std::size_t i = 0; i < a->size(); ++i) {
            if (i > 0)
                out += ',';
            newline(indent + 1);
            writeValue(out, (*a)[i], indent + 1);
        }
        newline(indent);
        out += ']';
    } else if (const Object* o = v.object()) {
        if (o->empty()) {
            out += "{}";
            return;
        }
        out += '{';
        for (std::size_t i = 0; i < o->size(); ++i) {
            if (i > 0)
                out += ',';
            newline(indent + 1);
            writeString(out, (*o)[i].first);
            out += ": ";
            writeValue(out, (*o)[i].second, indent + 1);
        }
        newline(indent);
        out += '}';
    }
}

} // namespace

std::variant<Value, SyntaxError> parse(std::string_view text, Limits limits) {
    try {
        return Reader(text, limits).document();
    } catch (const Failure& failure) {
        return located(failure, text);
    }
}

std::string quoted(std::string_view text) {
    std::string out;
    writeString(out, text);
    return out;
}

std::string write(const Value& value) {
    std::string out;
    writeValue(out, value, 0);
    out += '\n';
    return out;
}

} // namespace varnel::projects::json
