#include "platform/registry/RegistryBatch.h"

#include <new>

#include "platform/registry/RegistryView.h"

using namespace qby::registry;

void RegistryBatch::SetString(std::string_view subKey, std::string_view valueName, std::string_view text)
{
    steps_.push_back({false, std::string(subKey), std::string(valueName), std::string(text)});
}

void RegistryBatch::DeleteTree(std::string_view subKey)
{
    steps_.push_back({true, std::string(subKey), {}, {}});
}

LONG RegistryBatch::Commit() const
{
    try {
        std::optional<OpenKey> root = findOpenKey(root_);
        if (!root || !root->path.empty()) {
            return ERROR_INVALID_PARAMETER;
        }
        // Every step's place in the file, with its value, checked before anything is written.
        struct Planned {
            bool remove;
            std::string path;
            Value value;
        };
        std::vector<Planned> planned;
        Store* store = nullptr;
        for (const Step& step : steps_) {
            if (!isValidKeyPath(step.subKey) || !isValidValueName(step.valueName) ||
                step.text.size() + 1 > kMaxValueDataBytes) {
                return ERROR_INVALID_PARAMETER;
            }
            const Place place = writePlace(OpenKey{root->root, step.subKey, KEY_ALL_ACCESS});
            if (place.store == nullptr) {
                return ERROR_CANTWRITE;
            }
            store = place.store;
            Value value{step.valueName, REG_SZ, std::vector<BYTE>(step.text.begin(), step.text.end())};
            value.data.push_back(0);
            planned.push_back({step.remove, place.path, std::move(value)});
        }
        if (store == nullptr) {
            return ERROR_SUCCESS;
        }
        return store->commit([&](Tree& tree) -> Change {
            bool modified = false;
            for (const Planned& step : planned) {
                if (step.remove) {
                    modified |= tree.removeTree(step.path);
                    continue;
                }
                modified |= tree.create(step.path);
                modified |= setValue(*tree.find(step.path), step.value);
            }
            return {ERROR_SUCCESS, modified};
        });
    } catch (const std::bad_alloc&) {
        return ERROR_NOT_ENOUGH_MEMORY;
    } catch (...) {
        return ERROR_CANTWRITE;
    }
}
