// Stored property values and property bags, with the conversions an assignment makes.
#include "platform/forms/PropertyBag.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <limits>

namespace qby {

namespace {

bool sameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

std::optional<double> parseNumber(const std::string& text)
{
    std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string::npos)
        return std::nullopt;
    std::size_t end = text.find_last_not_of(" \t");
    const std::string trimmed = text.substr(start, end - start + 1);
    try {
        std::size_t used = 0;
        const double value = std::stod(trimmed, &used);
        if (used != trimmed.size() || !std::isfinite(value))
            return std::nullopt;
        return value;
    } catch (...) {
        return std::nullopt;
    }
}

// Whole numbers the way an assignment to a Long rounds them: halves to even.
std::optional<std::int32_t> toLong(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<std::int32_t>::min() || rounded > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

}  // namespace

// ---- PropertyValue ----------------------------------------------------------------------

std::optional<bool> PropertyValue::AsBoolean() const
{
    if (std::holds_alternative<std::monostate>(value_))
        return false;
    if (auto* b = std::get_if<bool>(&value_))
        return *b;
    if (auto* l = std::get_if<std::int32_t>(&value_))
        return *l != 0;
    if (auto* d = std::get_if<double>(&value_))
        return *d != 0.0;
    if (auto* s = std::get_if<std::string>(&value_)) {
        if (sameName(*s, "True"))
            return true;
        if (sameName(*s, "False"))
            return false;
        if (auto number = parseNumber(*s))
            return *number != 0.0;
    }
    return std::nullopt;
}

std::optional<std::int32_t> PropertyValue::AsLong() const
{
    if (std::holds_alternative<std::monostate>(value_))
        return 0;
    if (auto* b = std::get_if<bool>(&value_))
        return *b ? -1 : 0;
    if (auto* l = std::get_if<std::int32_t>(&value_))
        return *l;
    if (auto* d = std::get_if<double>(&value_))
        return toLong(*d);
    if (auto* s = std::get_if<std::string>(&value_)) {
        if (auto number = parseNumber(*s))
            return toLong(*number);
    }
    return std::nullopt;
}

std::optional<double> PropertyValue::AsDouble() const
{
    if (std::holds_alternative<std::monostate>(value_))
        return 0.0;
    if (auto* b = std::get_if<bool>(&value_))
        return *b ? -1.0 : 0.0;
    if (auto* l = std::get_if<std::int32_t>(&value_))
        return static_cast<double>(*l);
    if (auto* d = std::get_if<double>(&value_))
        return *d;
    if (auto* s = std::get_if<std::string>(&value_))
        return parseNumber(*s);
    return std::nullopt;
}

std::optional<std::string> PropertyValue::AsString() const
{
    if (std::holds_alternative<std::monostate>(value_))
        return std::string();
    if (auto* b = std::get_if<bool>(&value_))
        return std::string(*b ? "True" : "False");
    if (auto* l = std::get_if<std::int32_t>(&value_))
        return std::to_string(*l);
    if (auto* d = std::get_if<double>(&value_)) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.15g", *d);
        return std::string(buffer);
    }
    if (auto* s = std::get_if<std::string>(&value_))
        return *s;
    return std::nullopt;
}

std::optional<Picture> PropertyValue::AsPicture() const
{
    if (std::holds_alternative<std::monostate>(value_))
        return Picture();
    if (auto* p = std::get_if<Picture>(&value_))
        return *p;
    return std::nullopt;
}

bool PropertyValue::operator==(const PropertyValue& other) const
{
    if (value_.index() != other.value_.index())
        return false;
    if (auto* p = std::get_if<Picture>(&value_))
        return p->Handle() == std::get<Picture>(other.value_).Handle();
    return value_ == other.value_;
}

// ---- PropertyBag ------------------------------------------------------------------------

PropertyBag::PropertyBag(std::initializer_list<std::pair<std::string, PropertyValue>> entries)
{
    for (const auto& entry : entries)
        WriteProperty(entry.first, entry.second, PropertyValue());
}

PropertyValue PropertyBag::ReadProperty(const std::string& name, PropertyValue defaultValue) const
{
    for (const auto& entry : entries_) {
        if (sameName(entry.first, name))
            return entry.second;
    }
    return defaultValue;
}

void PropertyBag::WriteProperty(const std::string& name, PropertyValue value, PropertyValue defaultValue)
{
    auto found = std::find_if(entries_.begin(), entries_.end(),
                              [&](const auto& entry) { return sameName(entry.first, name); });
    if (value == defaultValue) {
        if (found != entries_.end())
            entries_.erase(found);
        return;
    }
    if (found != entries_.end())
        found->second = std::move(value);
    else
        entries_.emplace_back(name, std::move(value));
}

bool PropertyBag::Contains(const std::string& name) const
{
    return std::any_of(entries_.begin(), entries_.end(),
                       [&](const auto& entry) { return sameName(entry.first, name); });
}

std::vector<std::string> PropertyBag::Names() const
{
    std::vector<std::string> names;
    for (const auto& entry : entries_)
        names.push_back(entry.first);
    return names;
}

}  // namespace qby
