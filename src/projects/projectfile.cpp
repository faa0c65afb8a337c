#include "projects/projectfile.h"

#include "engine/feetables.h"
#include "engine/numbers.h"
#include "projects/json.h"
#include "projects/typednumbers.h"

#include <charconv>
#include <cmath>

namespace varnel::projects {

using engine::Condition;
using engine::Service;
using json::Array;
using json::Object;
using json::Value;

namespace {

Value itemValue(const Item& item) {
    const engine::Project& in = item.inputs;
    Array conditions;
    for (std::size_t i = 0; i < engine::conditionCount; ++i) {
        const auto c = static_cast<Condition>(i);
        if (!in.has(c))
            continue;
        Object o{{"name", engine::conditionNames[i]}};
        for (const TypedNumber& n : typedNumbersOf(c))
            o.emplace_back(std::string(n.role), in.text(n.entry));
        conditions.emplace_back(std::move(o));
    }
    Array services;
    for (const engine::OtherFee& f : engine::otherFees) {
        if (!in.has(f.service))
            continue;
        Object o{{"name", f.name}};
        for (const TypedNumber& n : typedNumbersOf(f.service))
            o.emplace_back(std::string(n.role), in.text(n.entry));
        services.emplace_back(std::move(o));
    }
    const auto nameOr = [](const auto& names, const auto& value) -> Value {
        if (!value)
            return nullptr;
        return names[static_cast<std::size_t>(*value)];
    };
    return Object{
        {"name", item.name},
        {"amount", in.amount},
        {"type", nameOr(engine::engineeringTypeNames, in.type)},
        {"grade", nameOr(engine::gradeNames, in.grade)},
        {"conditions", std::move(conditions)},
        {"services", std::move(services)},
        {"independentPhase", in.independentPhase},
        {"phase", in.phase == engine::DesignPhase::None
                      ? Value(nullptr)
                      : Value(engine::designPhaseNames[static_cast<std::size_t>(in.phase)])},
    };
}

// Reading: each step names the field it reads, so that a problem says where it is.
class FieldReader {
  public:
    FieldReader(const Object& object, std::string where) : m_object(object), m_where(std::move(where)) {}

    const Value& field(std::string_view name) const {
        const Value* v = json::member(m_object, name);
        if (!v)
            fail("缺少字段“" + std::string(name) + "”");
        return *v;
    }
    const std::string& text(std::string_view name) const {
        const std::string* s = field(name).string();
        if (!s)
            wrongType(name, "文本");
        return *s;
    }
    double number(std::string_view name) const {
        const double* d = field(name).number();
        if (!d)
            wrongType(name, "数字");
        return *d;
    }
    bool boolean(std::string_view name) const {
        const bool* b = field(name).boolean();
        if (!b)
            wrongType(name, " true 或 false");
        return *b;
    }
    const Array& array(std::string_view name) const {
        const Array* a = field(name).array();
        if (!a)
            wrongType(name, "数组");
        return *a;
    }
    [[noreturn]] void wrongType(std::string_view name, std::string_view expected) const {
        fail("字段“" + std::string(name) + "”应为" + std::string(expected));
    }
    [[noreturn]] void fail(const std::string& what) const { throw FileProblem{m_where + what}; }
    const std::string& where() const { return m_where; }

  private:
    const Object& m_object;
    std::string m_where;
};

const Object& objectOf(const Value& v, const std::string& where) {
    const Object* o = v.object();
    if (!o)
        throw FileProblem{where + "应为一个对象"};
    return *o;
}

std::string quotedName(const std::string& s) {
    return "“" + s + "”";
}

engine::Project itemInputs(const FieldReader& r) {
    engine::Project p;
    p.amount = r.text("amount");
    const std::string& type = r.text("type");
    p.type = engine::engineeringTypeNamed(type);
    if (!p.type)
        r.fail("工程类型" + quotedName(type) + "不是本程序的五种工程类型之一");
    const std::string& grade = r.text("grade");
    p.grade = engine::gradeNamed(grade);
    if (!p.grade)
        r.fail("工程复杂程度" + quotedName(grade) + "不是Ⅰ级、Ⅱ级或Ⅲ级");

    const auto typed = [&](const FieldReader& entryReader, std::span<const TypedNumber> numbers) {
        for (const TypedNumber& n : numbers)
            p.text(n.entry) = entryReader.text(n.role);
    };
    const Array& conditions = r.array("conditions");
    for (std::size_t i = 0; i < conditions.size(); ++i) {
        const std::string where = r.where() + "附加调整条件第 " + std::to_string(i + 1) + " 项";
        const FieldReader c(objectOf(conditions[i], where), where + "：");
        const std::string& name = c.text("name");
        const std::optional<Condition> condition = engine::conditionNamed(name);
        if (!condition)
            r.fail("附加调整条件" + quotedName(name) + "不是本程序认识的条件");
        if (p.has(*condition))
            r.fail("附加调整条件" + quotedName(name) + "出现了两次");
        if (!engine::readsCondition(*p.type, *condition))
            r.fail(quotedName(type) + "没有附加调整条件" + quotedName(name));
        p.conditions.insert(*condition);
        typed(c, typedNumbersOf(*condition));
    }
    const Array& services = r.array("services");
    for (std::size_t i = 0; i < services.size(); ++i) {
        const std::string where = r.where() + "其他设计收费第 " + std::to_string(i + 1) + " 项";
        const FieldReader s(objectOf(services[i], where), where + "：");
        const std::string& name = s.text("name");
        const std::optional<Service> service = engine::serviceNamed(name);
        if (!service)
            r.fail("其他设计收费" + quotedName(name) + "不是本程序认识的收费");
        if (p.has(*service))
            r.fail("其他设计收费" + quotedName(name) + "出现了两次");
        p.services.insert(*service);
        typed(s, typedNumbersOf(*service));
    }
    p.independentPhase = r.boolean("independentPhase");
    const Value& phase = r.field("phase");
    if (!phase.isNull()) {
        const std::string* name = phase.string();
        if (!name)
            r.wrongType("phase", "文本或 null");
        const std::optional<engine::DesignPhase> named = engine::designPhaseNamed(*name);
        if (!named)
            r.fail("设计阶段" + quotedName(*name) + "不是初步设计、施工图设计或方案设计");
        if (!p.independentPhase)
            r.fail("没有单独委托设计，却选了设计阶段" + quotedName(*name));
        p.phase = *named;
    }
    return p;
}

std::string ordinal(std::size_t index) {
    return "第 " + std::to_string(index + 1) + " 个单项";
}

OpenedQuote quoteOf(const Value& document) {
    const Object* root = document.object();
    const Value* format = root ? json::member(*root, "format") : nullptr;
    if (!format || !format->string() || *format->string() != fileFormat)
        throw FileProblem{"这不是 Varnel 的项目文件"};
    const FieldReader r(*root, "");
    const double version = r.number("version");
    if (version > fileVersion && std::floor(version) == version)
        r.fail("这是较新版本的 Varnel 保存的文件（格式版本 " + engine::joinedText(version) +
               "），本程序只能打开格式版本 " + std::to_string(fileVersion) + " 的项目文件");
    if (version != fileVersion)
        r.fail("格式版本 " + engine::joinedText(version) + " 无效");

    OpenedQuote opened;
    Quote& q = opened.quote;
    q.name = r.text("name");
    q.client = r.text("client");
    q.designer = r.text("designer");
    q.date = r.text("date");
    const double floatPercent = r.number("float");
    if (floatPercent < lowestFloat || floatPercent > highestFloat)
        r.fail("浮动幅度值 " + engine::joinedText(floatPercent) + "% 超出了 -20% 到 +20% 的范围");
    q.floatPercent = floatPercent == 0 ? 0.0 : floatPercent;
    const Value& contract = r.field("contract");
    if (!contract.isNull()) {
        const double* amount = contract.number();
        if (!amount)
            r.wrongType("contract", "数字或 null");
        if (!(*amount > 0))
            r.fail("合同额 " + engine::joinedText(*amount) + " 万元不是正数");
        q.contractAmount = *amount;
    }
    const Array& items = r.array("items");
    if (items.size() > maxItems)
        r.fail("项目有 " + std::to_string(items.size()) + " 个单项，超过了 " + std::to_string(maxItems) +
               " 个的上限");
    q.items.reserve(items.size());
    opened.figures.reserve(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        const FieldReader item(objectOf(items[i], ordinal(i)), ordinal(i) + "：");
        Item it{item.text("name"), canonicalInputs(itemInputs(item))};
        std::variant<ItemFigures, engine::Stop> figures = figuresOf(it.inputs);
        if (const engine::Stop* stop = std::get_if<engine::Stop>(&figures))
            item.fail("无法计算（" + stop->message + "）");
        opened.figures.push_back(std::move(std::get<ItemFigures>(figures)));
        q.items.push_back(std::move(it));
    }
    return opened;
}

std::string megabytes(std::uintmax_t bytes) {
    const double mb = static_cast<double>(bytes) / (1024.0 * 1024.0);
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, mb, std::chars_format::fixed, 1).ptr);
}

} // namespace

std::string writeProjectFile(const Quote& quote) {
    Array items;
    items.reserve(quote.items.size());
    for (const Item& item : quote.items)
        items.push_back(itemValue(item));
    const Value document = Object{
        {"format", fileFormat},
        {"version", fileVersion},
        {"name", quote.name},
        {"client", quote.client},
        {"designer", quote.designer},
        {"date", quote.date},
        {"float", quote.floatPercent},
        {"contract", quote.contractAmount ? Value(*quote.contractAmount) : Value(nullptr)},
        {"items", std::move(items)},
    };
    return json::write(document);
}

std::optional<FileProblem> sizeProblem(std::uintmax_t bytes) {
    if (bytes <= maxFileBytes)
        return std::nullopt;
    return FileProblem{"文件有 " + megabytes(bytes) + " MB，超过了项目文件 " + megabytes(maxFileBytes) +
                       " MB 的上限"};
}

std::variant<OpenedQuote, FileProblem> readProjectFile(std::string_view bytes) {
    if (std::optional<FileProblem> tooLarge = sizeProblem(bytes.size()))
        return *tooLarge;
    // A byte-order mark, which some editors put before UTF-8 text, is no part of the JSON.
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    std::variant<Value, json::SyntaxError> parsed = json::parse(bytes);
    if (const json::SyntaxError* e = std::get_if<json::SyntaxError>(&parsed))
        return FileProblem{"这不是 Varnel 的项目文件（第 " + std::to_string(e->line) + " 行第 " +
                           std::to_string(e->column) + " 个字符处：" + e->what + "）"};
    try {
        return quoteOf(std::get<Value>(parsed));
    } catch (const FileProblem& problem) {
        return problem;
    }
}

std::string openFailureMessage(std::string_view fileName, const FileProblem& problem) {
    return "无法打开“" + std::string(fileName) + "”：" + problem.what + "。当前的项目没有改变。";
}

} // namespace varnel::projects
