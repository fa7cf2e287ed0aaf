// Stored properties of user controls: one value (PropertyValue) and the bag of them kept with a
// host's design (PropertyBag).
#pragma once

#include "platform/forms/Picture.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace qby {

// One stored property value: empty, Boolean, Long, Double, String or Picture.
class PropertyValue {
public:
    PropertyValue() = default;
    PropertyValue(bool value) : value_(value) {}                              // NOLINT
    PropertyValue(int value) : value_(static_cast<std::int32_t>(value)) {}   // NOLINT
    PropertyValue(long value) : value_(static_cast<std::int32_t>(value)) {}  // NOLINT
    PropertyValue(double value) : value_(value) {}                            // NOLINT
    PropertyValue(const char* value) : value_(std::string(value ? value : "")) {}  // NOLINT
    PropertyValue(std::string value) : value_(std::move(value)) {}           // NOLINT
    PropertyValue(Picture value) : value_(std::move(value)) {}               // NOLINT

    bool IsEmpty() const { return std::holds_alternative<std::monostate>(value_); }
    bool IsPicture() const { return std::holds_alternative<Picture>(value_); }

    // Conversions as an assignment would make them; nullopt when the value does not convert
    // (for example text that is not a number, or a picture read as a number).
    std::optional<bool> AsBoolean() const;
    std::optional<std::int32_t> AsLong() const;
    std::optional<double> AsDouble() const;
    std::optional<std::string> AsString() const;
    std::optional<Picture> AsPicture() const;  // an empty value reads as an empty picture

    bool operator==(const PropertyValue& other) const;

private:
    std::variant<std::monostate, bool, std::int32_t, double, std::string, Picture> value_;
};

// Stored properties of a user control, by name (names compared without regard to case).
class PropertyBag {
public:
    PropertyBag() = default;
    PropertyBag(std::initializer_list<std::pair<std::string, PropertyValue>> entries);

    // The stored value, or defaultValue when the name is not stored.
    PropertyValue ReadProperty(const std::string& name, PropertyValue defaultValue = {}) const;
    // Stores the value; a value equal to defaultValue is not stored (and removes an old one).
    void WriteProperty(const std::string& name, PropertyValue value, PropertyValue defaultValue = {});
    bool Contains(const std::string& name) const;
    // Stored names in the order they were first written.
    std::vector<std::string> Names() const;

private:
    std::vector<std::pair<std::string, PropertyValue>> entries_;
};

}  // namespace qby
