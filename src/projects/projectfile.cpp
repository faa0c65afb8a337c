// The project file, written and read.
//
// A file is a JSON object: "format" ("varnel-project"), "version", the project's fields "name", "client",
// "designer", "date" (texts as typed), "float" (浮动幅度值 in percent, -20 to 20, or to 25 with new
// technology), "contract" (the contract amount in 万元 above 0 and at most
// engine::maxTypedAmount, or null when it follows from the float),
// then, only where they differ from their defaults, "newTechnology" (采用新技术, false), "taxRate" (the VAT
// rate in percent, 0 to 20, 6) and "taxIncluded" (whether the contract amount includes the VAT, true), and
// "items", the single works in order. A project with the defaults is thus written byte for byte as before
// these fields existed, and a file without them reads as the defaults.
//
// An item of the main window (one of its five types) is
//   {"name", "amount", "type", "grade", "conditions", "services", "independentPhase", "phase"}:
// the amount as typed, the type and grade by the standard's names, the conditions ticked (each {"name"},
// with its typed "coefficient" for 改扩建和技术改造建设项目 and 古建筑、仿古建筑、保护性建筑), the services
// (each {"name"}, with its typed "amount" and "rate" where it has them), 单独委托设计 and its phase
// (初步设计, 施工图设计 or 方案设计) or false and null.
//
// An item of a kind of engineering of 附表二 names its kind instead of a type:
//   {"name", "amount", "kind", "grade", "conditions", "services", "commission"}:
// "kind" is the kind as 附表二 names it (its group follows from it), the conditions are those its group
// offers for the kind and grade, by the standard's names, with their typed "coefficient" where they have
// one; the services are as above; "commission" is the design phase commissioned on its own,
// {"shareRow", "phase"}: the row of the group's table of phase shares by the works it names (unique among
// the rows of the kind and grade) and the phase (方案设计, 初步设计, 招标设计, 施工图设计, 基础设计 or
// 详细设计), which that row gives a share; or null.
//
// A file is written at the lowest version that holds its items: version 1 while every item is the main
// window's, which every earlier program reads as it did; version 2 once an item is of a kind of
// engineering, which an earlier program refuses as a newer version. Version 1 is read as it always was
// (an item is the main window's); in version 2 an item with "kind" is a kind of engineering, any other the
// main window's. No figure is stored: opening calculates every item again.
#include "projects/projectfile.h"

#include "engine/calculation.h"
#include "engine/feetables.h"
#include "engine/numbers.h"
#include "projects/json.h"
#include "projects/typednumbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace varnel::projects {

using engine::Condition;
using engine::Service;
namespace industry = engine::industry;
using json::Array;
using json::Object;
using json::Value;

namespace {

// The other design services ticked, each with the numbers typed for it; the same for both kinds of item.
template <typename Inputs>
Array servicesValue(const Inputs& in) {
    Array services;
    for (const engine::OtherFee& f : engine::otherFees) {
        if (!in.has(f.service))
            continue;
        Object o{{"name", f.name}};
        for (const TypedNumber& n : typedNumbersOf(f.service))
            o.emplace_back(std::string(roleKey(n.role)), in.text(n.entry));
        services.emplace_back(std::move(o));
    }
    return services;
}

template <typename Names, typename Name>
Value nameOr(const Names& names, const std::optional<Name>& value) {
    if (!value)
        return nullptr;
    return names[static_cast<std::size_t>(*value)];
}

Value itemValue(const std::string& name, const engine::Project& in) {
    Array conditions;
    for (std::size_t i = 0; i < engine::conditionCount; ++i) {
        const auto c = static_cast<Condition>(i);
        if (!in.has(c))
            continue;
        Object o{{"name", engine::conditionNames[i]}};
        for (const TypedNumber& n : typedNumbersOf(c))
            o.emplace_back(std::string(roleKey(n.role)), in.text(n.entry));
        conditions.emplace_back(std::move(o));
    }
    return Object{
        {"name", name},
        {"amount", in.amount},
        {"type", nameOr(engine::engineeringTypeNames, in.type)},
        {"grade", nameOr(engine::gradeNames, in.grade)},
        {"conditions", std::move(conditions)},
        {"services", servicesValue(in)},
        {"independentPhase", in.independentPhase},
        {"phase", in.phase ? Value(engine::designPhaseName(*in.phase)) : Value(nullptr)},
    };
}

// The conditions are written in the order of the group's table, which is the order a kind offers them.
Value itemValue(const std::string& name, const industry::KindProject& in) {
    Array conditions;
    if (in.kind) {
        for (const industry::ConditionRow* row : industry::offeredConditions(*in.kind, in.grade)) {
            if (!in.has(row->condition))
                continue;
            Object o{{"name", row->name}};
            if (row->entry)
                o.emplace_back("coefficient", in.text(*row->entry));
            conditions.emplace_back(std::move(o));
        }
    }
    Value commission;
    if (in.commission && in.commission->shareRow < industry::shareRows.size())
        commission = Object{
            {"shareRow", industry::shareRows[in.commission->shareRow].name},
            {"phase", engine::designPhaseName(in.commission->phase)},
        };
    return Object{
        {"name", name},
        {"amount", in.amount},
        {"kind", in.kind ? Value(industry::kindRow(*in.kind).name) : Value(nullptr)},
        {"grade", nameOr(engine::gradeNames, in.grade)},
        {"conditions", std::move(conditions)},
        {"services", servicesValue(in)},
        {"commission", std::move(commission)},
    };
}

Value itemValue(const Item& item) {
    return std::visit([&](const auto& in) { return itemValue(item.name, in); }, item.inputs);
}

// Where an object is in the file, as a problem names it: "第 3 个单项", "第 3 个单项：其他设计收费第 2 项",
// "第 3 个单项：单独委托设计". It is put into words only when a problem is told: a file read without one
// names no place, and naming every item and entry on the way took longer than reading them.
class Place {
  public:
    Place() = default; // the file itself, which a problem does not name
    // Within `outer`: `before`, the number where there is one, and `after` ("其他设计收费第 ", 2, " 项").
    Place(const Place& outer, std::string_view before, std::optional<std::size_t> number = std::nullopt,
          std::string_view after = {})
        : m_outer(&outer), m_before(before), m_number(number), m_after(after) {}

    std::string name() const {
        if (!m_outer)
            return {};
        return m_outer->within() + std::string(m_before) + (m_number ? std::to_string(*m_number) : "") +
               std::string(m_after);
    }
    // What a problem of a field here starts with: "第 3 个单项：", nothing for the file's own fields.
    std::string within() const { return m_outer ? name() + "：" : std::string(); }

  private:
    const Place* m_outer = nullptr;
    std::string_view m_before;
    std::optional<std::size_t> m_number;
    std::string_view m_after;
};

// Reading: each step names the field it reads, so that a problem says where it is.
class FieldReader {
  public:
    FieldReader(const Object& object, Place place) : m_object(object), m_place(place) {}

    bool has(std::string_view name) const { return json::member(m_object, name) != nullptr; }
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
    [[noreturn]] void fail(const std::string& what) const { throw FileProblem{m_place.within() + what}; }
    const Place& place() const { return m_place; }

  private:
    const Object& m_object;
    Place m_place;
};

const Object& objectOf(const Value& v, const Place& place) {
    const Object* o = v.object();
    if (!o)
        throw FileProblem{place.name() + "应为一个对象"};
    return *o;
}

std::string quotedName(const std::string& s) {
    return "“" + s + "”";
}

// The other design services of either kind of item, each with the numbers typed for it.
template <typename Inputs>
void readServices(const FieldReader& r, Inputs& p) {
    const Array& services = r.array("services");
    for (std::size_t i = 0; i < services.size(); ++i) {
        const Place place(r.place(), "其他设计收费第 ", i + 1, " 项");
        const FieldReader s(objectOf(services[i], place), place);
        const std::string& name = s.text("name");
        const std::optional<Service> service = engine::serviceNamed(name);
        if (!service)
            r.fail("其他设计收费" + quotedName(name) + "不是本程序认识的收费");
        if (p.has(*service))
            r.fail("其他设计收费" + quotedName(name) + "出现了两次");
        p.services.insert(*service);
        for (const TypedNumber& n : typedNumbersOf(*service))
            p.text(n.entry) = s.text(roleKey(n.role));
    }
}

engine::Project mainInputs(const FieldReader& r) {
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

    const Array& conditions = r.array("conditions");
    for (std::size_t i = 0; i < conditions.size(); ++i) {
        const Place place(r.place(), "附加调整条件第 ", i + 1, " 项");
        const FieldReader c(objectOf(conditions[i], place), place);
        const std::string& name = c.text("name");
        const std::optional<Condition> condition = engine::conditionNamed(name);
        if (!condition)
            r.fail("附加调整条件" + quotedName(name) + "不是本程序认识的条件");
        if (p.has(*condition))
            r.fail("附加调整条件" + quotedName(name) + "出现了两次");
        if (!engine::readsCondition(*p.type, *condition))
            r.fail(quotedName(type) + "没有附加调整条件" + quotedName(name));
        p.conditions.insert(*condition);
        for (const TypedNumber& n : typedNumbersOf(*condition))
            p.text(n.entry) = c.text(roleKey(n.role));
    }
    readServices(r, p);
    p.independentPhase = r.boolean("independentPhase");
    const Value& phase = r.field("phase");
    if (!phase.isNull()) {
        const std::string* name = phase.string();
        if (!name)
            r.wrongType("phase", "文本或 null");
        const std::optional<engine::DesignPhase> named = engine::designPhaseNamed(*name);
        if (!named || !engine::offeredByTypes(*named))
            r.fail("设计阶段" + quotedName(*name) + "不是初步设计、施工图设计或方案设计");
        if (!p.independentPhase)
            r.fail("没有单独委托设计，却选了设计阶段" + quotedName(*name));
        p.phase = *named;
    }
    return p;
}

// The kind and grade as "“建筑、市政、电信工程”（Ⅱ级）", where a problem depends on both.
std::string kindAndGrade(const industry::KindProject& p) {
    return quotedName(std::string(industry::kindRow(*p.kind).name)) + "（" +
           std::string(engine::gradeNames[static_cast<std::size_t>(*p.grade)]) + "）";
}

// An item of a kind of engineering of 附表二: every name is looked up in the tables of the kind's group, and
// what the kind and grade do not offer is refused rather than dropped, since its window could not have
// entered it.
industry::KindProject industryInputs(const FieldReader& r) {
    industry::KindProject p;
    p.amount = r.text("amount");
    const std::string& kind = r.text("kind");
    p.kind = industry::kindNamed(kind);
    if (!p.kind)
        r.fail("工程类型" + quotedName(kind) + "不是附表二中本程序能计算的工程类型");
    const std::string& grade = r.text("grade");
    p.grade = engine::gradeNamed(grade);
    if (!p.grade)
        r.fail("工程复杂程度" + quotedName(grade) + "不是Ⅰ级、Ⅱ级或Ⅲ级");

    const std::vector<const industry::ConditionRow*> offered = industry::offeredConditions(*p.kind, p.grade);
    std::vector<const industry::ConditionRow*> ticked;
    const Array& conditions = r.array("conditions");
    for (std::size_t i = 0; i < conditions.size(); ++i) {
        const Place place(r.place(), "附加调整条件第 ", i + 1, " 项");
        const FieldReader c(objectOf(conditions[i], place), place);
        const std::string& name = c.text("name");
        const industry::ConditionRow* row = nullptr;
        for (const industry::ConditionRow* o : offered)
            if (o->name == name)
                row = o;
        if (!row) {
            bool known = false;
            for (const industry::ConditionRow& any : industry::conditionRows) {
                known = known || any.name == name;
                if (any.name == name && any.unasked && industry::belongsTo(any, *p.kind, p.grade))
                    r.fail("附加调整条件" + quotedName(name) + "不需选择，" + kindAndGrade(p) + "自动计入");
            }
            if (!known)
                r.fail("附加调整条件" + quotedName(name) + "不是本程序认识的条件");
            r.fail(kindAndGrade(p) + "没有附加调整条件" + quotedName(name));
        }
        if (p.has(row->condition))
            r.fail("附加调整条件" + quotedName(name) + "出现了两次");
        for (const industry::ConditionRow* other : ticked)
            if (industry::excludeEachOther(*row, *other))
                r.fail("附加调整条件" + quotedName(std::string(other->name)) + "和" + quotedName(name) +
                       "不能同时选择");
        p.conditions.insert(row->condition);
        ticked.push_back(row);
        if (row->entry)
            p.text(*row->entry) = c.text("coefficient");
    }
    readServices(r, p);

    const Value& commission = r.field("commission");
    if (!commission.isNull()) {
        const Object* o = commission.object();
        if (!o)
            r.wrongType("commission", "对象或 null");
        const FieldReader c(*o, Place(r.place(), "单独委托设计"));
        const std::string& rowName = c.text("shareRow");
        const std::string& phaseName = c.text("phase");
        std::optional<std::size_t> row;
        for (std::size_t i : industry::shareRowsFor(*p.kind, p.grade))
            if (industry::shareRows[i].name == rowName)
                row = i;
        if (!row)
            c.fail(kindAndGrade(p) + "的设计阶段分成中没有" + quotedName(rowName) + "这一行");
        const std::optional<engine::DesignPhase> phase = engine::designPhaseNamed(phaseName);
        if (!phase)
            c.fail("设计阶段" + quotedName(phaseName) +
                   "不是方案设计、初步设计、招标设计、施工图设计、基础设计或详细设计");
        const industry::ShareRow& share = industry::shareRows[*row];
        if (share.share(*phase) == 0)
            c.fail(std::string(share.table) + "中" + quotedName(rowName) + "没有" + phaseName + "的分成");
        p.commission = industry::Commission{*row, *phase};
    }
    return p;
}

// An item of either kind: in version 1 always the main window's; from version 2 one with a "kind" is of a
// kind of engineering, and one cannot have both a type and a kind.
ItemInputs itemInputs(const FieldReader& r, int version) {
    if (version < industryFileVersion || !r.has("kind"))
        return mainInputs(r);
    if (r.has("type"))
        r.fail("单项不能既有工程类型“type”又有工程类型“kind”");
    return industryInputs(r);
}

std::string ordinal(std::size_t index) {
    return "第 " + std::to_string(index + 1) + " 个单项";
}

// What an earlier version read a typed number as, where that is not what it reads as now: earlier versions
// read only a number's beginning ("1,500" was 1; read whole, it is 1500).
std::optional<double> readOtherwiseBefore(const std::string& text) {
    const std::optional<engine::NumberReading> whole = engine::readWholeNumber(text);
    const engine::NumberReading leading = engine::readNumber(text);
    if (whole && whole->fits && leading.fits && whole->value != leading.value)
        return leading.value;
    return std::nullopt;
}

// The numbers typed for an item, as typed: its amount and every typed coefficient, fee amount and rate.
std::vector<std::string> typedTexts(const ItemInputs& inputs) {
    std::vector<std::string> texts{amountOf(inputs)};
    std::visit(
        [&](const auto& p) {
            for (const std::string& entry : p.entries)
                if (!entry.empty())
                    texts.push_back(entry);
        },
        inputs);
    return texts;
}

OpenedQuote quoteOf(const Value& document) {
    const Object* root = document.object();
    const Value* format = root ? json::member(*root, "format") : nullptr;
    if (!format || !format->string() || *format->string() != fileFormat)
        throw FileProblem{"这不是 Varnel 的项目文件"};
    const FieldReader r(*root, Place());
    const double version = r.number("version");
    if (version > fileVersion && std::floor(version) == version)
        r.fail("这是较新版本的 Varnel 保存的文件（格式版本 " + engine::joinedText(version) +
               "），本程序只能打开格式版本 " + std::to_string(fileVersion) + " 及以前的项目文件");
    if (version < mainItemsFileVersion || version > fileVersion || std::floor(version) != version)
        r.fail("格式版本 " + engine::joinedText(version) + " 无效");

    OpenedQuote opened;
    Quote& q = opened.quote;
    q.name = r.text("name");
    q.client = r.text("client");
    q.designer = r.text("designer");
    q.date = r.text("date");
    // A file this version saved says so where its numbers would have been read otherwise before.
    const bool readWhole = r.has("numbersReadWhole") && r.boolean("numbersReadWhole");
    // The float's range depends on 采用新技术, so that is read first.
    q.newTechnology = r.has("newTechnology") && r.boolean("newTechnology");
    const double highest = highestFloatFor(q.newTechnology);
    const double floatPercent = r.number("float");
    if (floatPercent < lowestFloat || floatPercent > highest)
        r.fail("浮动幅度值 " + engine::joinedText(floatPercent) + "% 超出了 -20% 到 +" +
               engine::joinedText(highest) + "% 的范围");
    q.floatPercent = floatPercent == 0 ? 0.0 : floatPercent;
    const Value& contract = r.field("contract");
    if (!contract.isNull()) {
        const double* amount = contract.number();
        if (!amount)
            r.wrongType("contract", "数字或 null");
        if (!(*amount > 0))
            r.fail("合同额 " + engine::joinedText(*amount) + " 万元不是正数");
        if (*amount > engine::maxTypedAmount)
            r.fail("合同额 " + engine::joinedText(*amount) + " 万元超过了 " +
                   engine::joinedText(engine::maxTypedAmount) + " 万元的上限");
        q.contractAmount = *amount;
    }
    if (r.has("taxRate")) {
        const double rate = r.number("taxRate");
        if (rate < 0 || rate > highestTaxRate)
            r.fail("增值税税率 " + engine::joinedText(rate) + "% 超出了 0% 到 " +
                   engine::joinedText(highestTaxRate) + "% 的范围");
        q.taxRate = rate == 0 ? 0.0 : rate;
    }
    q.taxIncluded = !r.has("taxIncluded") || r.boolean("taxIncluded");
    const Array& items = r.array("items");
    if (items.size() > maxItems)
        r.fail("项目有 " + std::to_string(items.size()) + " 个单项，超过了 " + std::to_string(maxItems) +
               " 个的上限");
    q.items.reserve(items.size());
    opened.figures.reserve(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        const Place place(r.place(), "第 ", i + 1, " 个单项");
        const FieldReader item(objectOf(items[i], place), place);
        Item it{item.text("name"), canonicalInputs(itemInputs(item, static_cast<int>(version)))};
        std::variant<ItemFigures, ItemStop> figures = figuresOf(it.inputs);
        if (const ItemStop* stop = std::get_if<ItemStop>(&figures))
            item.fail("无法计算（" + stop->message + "）");
        opened.figures.push_back(std::move(std::get<ItemFigures>(figures)));
        for (const std::string& text : readWhole ? std::vector<std::string>() : typedTexts(it.inputs)) {
            if (const std::optional<double> earlier = readOtherwiseBefore(text))
                opened.notes.push_back(ordinal(i) + "“" + it.name + "”中输入的“" + text + "”以前读作 " +
                                       engine::joinedText(*earlier) + "，现在读作 " +
                                       engine::joinedText(engine::readWholeNumber(text)->value));
        }
        q.items.push_back(std::move(it));
    }
    return opened;
}

// A count of bytes with its thousands marked: 16,777,217. Megabytes with one decimal would call a file
// one byte over the limit as large as the limit.
std::string grouped(std::uintmax_t bytes) {
    const std::string digits = std::to_string(bytes);
    std::string marked;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            marked += ',';
        marked += digits[i];
    }
    return marked;
}

// A size beyond the limit, as a message says it after what has that size.
std::string overTheLimit(std::uintmax_t bytes) {
    return grouped(bytes) + " 字节，超过了项目文件 " + std::to_string(maxFileBytes / (1024 * 1024)) +
           " MB（" + grouped(maxFileBytes) + " 字节）的上限";
}

} // namespace

std::string writeProjectFile(const Quote& quote) {
    Array items;
    items.reserve(quote.items.size());
    bool industryItems = false;
    for (const Item& item : quote.items) {
        items.push_back(itemValue(item));
        industryItems = industryItems || item.isIndustry();
    }
    Object document{
        {"format", fileFormat},
        {"version", industryItems ? industryFileVersion : mainItemsFileVersion},
        {"name", quote.name},
        {"client", quote.client},
        {"designer", quote.designer},
        {"date", quote.date},
        {"float", quote.floatPercent},
        {"contract", quote.contractAmount ? Value(*quote.contractAmount) : Value(nullptr)},
    };
    // Written only where they differ from their defaults, so that a project that keeps them is written as
    // before they existed (an earlier program reading a file ignores fields it does not know).
    if (quote.newTechnology)
        document.emplace_back("newTechnology", true);
    if (quote.taxRate != defaultTaxRate)
        document.emplace_back("taxRate", quote.taxRate);
    if (!quote.taxIncluded)
        document.emplace_back("taxIncluded", false);
    // A typed number an earlier version would read otherwise ("1,500"): the file says its numbers are read
    // whole, so that opening it warns of nothing (and an earlier program, which would misread it, still
    // opens it, as it ignores the field; no better can be done for it).
    const bool readOtherwise = std::any_of(quote.items.begin(), quote.items.end(), [](const Item& item) {
        const std::vector<std::string> texts = typedTexts(item.inputs);
        return std::any_of(texts.begin(), texts.end(),
                           [](const std::string& t) { return readOtherwiseBefore(t).has_value(); });
    });
    if (readOtherwise)
        document.emplace_back("numbersReadWhole", true);
    document.emplace_back("items", std::move(items));
    return json::write(Value(std::move(document)));
}

std::optional<FileProblem> sizeProblem(std::uintmax_t bytes) {
    if (bytes <= maxFileBytes)
        return std::nullopt;
    return FileProblem{"文件有 " + overTheLimit(bytes)};
}

std::optional<FileProblem> writtenSizeProblem(std::size_t bytes) {
    if (bytes <= maxFileBytes)
        return std::nullopt;
    return FileProblem{"项目太大，保存成文件会有 " + overTheLimit(bytes) + "，这样的文件无法再打开"};
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

std::string readingNote(std::string_view fileName, const std::vector<std::string>& notes) {
    std::string text = "“" + std::string(fileName) +
                       "”是以前的版本保存的。现在每个数都按输入的整段读取，下面的数与以前读法不同，"
                       "相应单项的收费也随之改变，请核对：";
    for (const std::string& note : notes)
        text += "\n" + note;
    return text;
}

std::string openFailureMessage(std::string_view fileName, const FileProblem& problem) {
    return "无法打开“" + std::string(fileName) + "”：" + problem.what + "。";
}

} // namespace varnel::projects
