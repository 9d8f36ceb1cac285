#include "UiPlace.h"

namespace {

class Placer {
public:
    Placer(const UiSyntaxTree& tree, size_t offset) : tree(tree), tokens(tree.Tokens()), offset(offset) {}

    UiPlace Find() {
        UiPlace place;
        place.token = tree.TokenAt(offset);
        if (place.token != NO_TOKEN && tokens[place.token].kind == UiTokenKind::Comment) {
            return place;
        }
        const UiSection* section = SectionAt();
        place.section = section;
        if (section == nullptr || offset <= tokens[section->type].End()) {
            place.what = UiPlace::What::SectionType;
            place.section = nullptr;
            return place;
        }
        const UiValue& value = section->value;
        const bool inValue = value.kind != UiValueKind::Missing && offset > tokens[value.first].offset;
        if (!inValue) {
            if (section->kind == UiSectionKind::Item) {
                place.what = section->name == NO_TOKEN || offset <= tokens[section->name].End()
                                 ? UiPlace::What::ItemName
                                 : UiPlace::What::ParentName;
            }
            return place;
        }
        if (value.kind == UiValueKind::Hash) {
            InHash(value, InnerBlock(UiBlock::File, tree.TokenText(section->type)), place);
        }
        return place;
    }

private:
    // The section the offset falls in: from its first token up to the next section's, but not
    // past the closing brace of its hash.
    const UiSection* SectionAt() const {
        const UiSection* found = nullptr;
        for (const UiSection& section : tree.Sections()) {
            if (tokens[section.type].offset > offset) {
                break;
            }
            found = &section;
        }
        if (found != nullptr && found->value.closed && offset >= tokens[found->value.last].End()) {
            return nullptr;
        }
        return found;
    }

    bool Inside(const UiValue& value) const {
        return offset > tokens[value.first].offset && (!value.closed || offset <= tokens[value.last].offset);
    }

    void InHash(const UiValue& hash, UiBlock block, UiPlace& place) const {
        place.what = UiPlace::What::Key;
        place.block = block;
        place.hash = &hash;
        const std::vector<UiEntry>& entries = hash.entries;
        for (size_t index = 0; index < entries.size(); ++index) {
            const UiEntry& entry = entries[index];
            const UiToken& key = tokens[entry.key];
            if (offset < key.offset) {
                return;
            }
            if (offset <= key.End()) {
                // "Border t" reads as two keys without values; the second is the value typed.
                if (index > 0 && entries[index - 1].value.kind == UiValueKind::Missing) {
                    const UiKeyInfo* info = FindUiKey(block, tree.TokenText(entries[index - 1].key));
                    if (info != nullptr && info->kind == UiKeyKind::Boolean) {
                        place.what = UiPlace::What::Value;
                        place.key = entries[index - 1].key;
                    }
                }
                return;
            }
            const UiValue& value = entry.value;
            const bool beforeNext =
                index + 1 == entries.size() || offset < tokens[entries[index + 1].key].offset;
            if (value.kind == UiValueKind::Hash && Inside(value)) {
                InHash(value, InnerBlock(block, tree.TokenText(entry.key)), place);
                return;
            }
            const bool onValue =
                value.kind == UiValueKind::Missing
                    ? beforeNext
                    : value.kind != UiValueKind::Hash &&
                          (offset <= tokens[value.last].End() ||
                           (!value.closed && beforeNext && value.kind == UiValueKind::Array));
            if (onValue) {
                place.what = UiPlace::What::Value;
                place.key = entry.key;
                return;
            }
        }
    }

    const UiSyntaxTree& tree;
    const std::vector<UiToken>& tokens;
    const size_t offset;
};

} // namespace

UiPlace PlaceAt(const UiSyntaxTree& tree, size_t offset) {
    return Placer(tree, offset).Find();
}
