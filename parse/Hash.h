// The entries of a braced hash of a UI description file: bare-name keys, each with one owned
// Value, kept in byte-wise key order. A key appears once; when a file repeats a key, the first
// value stays. The typed lookups are how a loader takes its settings out of a section: each
// returns true and writes its output only when the key is present with a value of the right
// form, so a missing or mistyped setting simply keeps the caller's default (only GetVector4
// clears its output when it fails). Lookups compare keys exactly, case included.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>

namespace drev {

class Value;
struct PackedColor;

class Hash {
public:
    using Entries = std::map<std::string, std::unique_ptr<Value>>;

    Hash();
    Hash(Hash&&) noexcept;
    Hash& operator=(Hash&&) noexcept;
    ~Hash();

    // Adds the entry unless the key is present already; then the new value is destroyed.
    // Returns whether the entry was added.
    bool Insert(const std::string& key, std::unique_ptr<Value> value);

    std::size_t Size() const { return entries.size(); }
    Entries::const_iterator begin() const { return entries.begin(); }
    Entries::const_iterator end() const { return entries.end(); }

    // The value of the key, still owned by the hash, or null when the key is missing.
    const Value* Find(const std::string& key) const;

    bool GetNumber(const std::string& key, double& number) const;
    bool GetNumber(const std::string& key, float& number) const;
    bool GetString(const std::string& key, std::string& text) const;
    // Only true and false are booleans; a number is not accepted.
    bool GetBoolean(const std::string& key, bool& truth) const;
    // An array of exactly three numbers.
    bool GetVector3(const std::string& key, double (&vector)[3]) const;
    bool GetVector3(const std::string& key, float (&vector)[3]) const;
    // An array of exactly four numbers. When false, the output is set to 0, 0, 0, 0.
    bool GetVector4(const std::string& key, float (&vector)[4]) const;
    // An array of four numbers, an angle in degrees and an axis x, y, z, turned into the unit
    // quaternion w, x, y, z. An axis of length 0 (or too long to measure) has no direction:
    // the result is false and the output unchanged.
    bool GetRotation(const std::string& key, float& w, float& x, float& y, float& z) const;
    // An array of exactly three numbers, red, green and blue, each clamped to 0..1; alpha 255.
    bool GetColor(const std::string& key, PackedColor& color) const;

private:
    Entries entries;
};

} // namespace drev
