// ".reg" export and import over the current prefix's hives.
#include "platform/registry/registry_transfer.h"

#include "platform/base/text.h"
#include "platform/registry/reg_file_writer.h"
#include "platform/registry/registry_hives.h"

#include <algorithm>
#include <map>

namespace kx {
namespace {

DWORD ExportTree(RegFileWriter& writer, RegistryHive& hive, RegistryHive::KeyId key,
                 const std::u16string& fullName) {
    std::vector<RegistryValue> values;
    if (const DWORD error = hive.ListValues(key, &values); error != ERROR_SUCCESS)
        return error;
    writer.Key(fullName);
    for (const auto& value : values)
        writer.Value(value);
    std::vector<RegistrySubKey> subKeys;
    if (const DWORD error = hive.ListSubKeys(key, &subKeys); error != ERROR_SUCCESS)
        return error;
    for (const auto& subKey : subKeys) {
        if (const DWORD error = ExportTree(writer, hive, subKey.id, fullName + u"\\" + subKey.name);
            error != ERROR_SUCCESS)
            return error;
    }
    return ERROR_SUCCESS;
}

DWORD ExportKey(RegFileWriter& writer, std::u16string_view keyName) {
    const size_t slash = keyName.find(u'\\');
    const uint32_t root = PredefinedKeyByName(keyName.substr(0, slash));
    if (root == 0)
        return ERROR_FILE_NOT_FOUND;
    const std::u16string_view path =
        slash == std::u16string_view::npos ? std::u16string_view() : keyName.substr(slash + 1);
    std::vector<std::u16string> levels;
    if (const DWORD error = SplitKeyPath(path, &levels); error != ERROR_SUCCESS)
        return error;
    HiveKey base;
    if (const DWORD error = ResolvePredefinedKey(root, &base); error != ERROR_SUCCESS)
        return error;
    RegistryHive::KeyId key = 0;
    std::u16string fullName(PredefinedKeyName(root));
    for (const auto& level : levels)
        fullName += u"\\" + level;
    // Read under the hive's lock so the tree is one consistent version.
    return base.hive->RunInTransaction([&] {
        if (const DWORD error = base.hive->FindKey(base.id, levels, &key); error != ERROR_SUCCESS)
            return error;
        return ExportTree(writer, *base.hive, key, fullName);
    });
}

DWORD Apply(const RegOperation& operation, const HiveKey& root) {
    std::vector<std::u16string> levels;
    if (const DWORD error = SplitKeyPath(operation.path, &levels); error != ERROR_SUCCESS)
        return error;
    RegistryHive& hive = *root.hive;
    RegistryHive::KeyId key = 0;
    bool created = false;
    switch (operation.kind) {
    case RegOperation::Kind::CreateKey:
        return hive.CreateKey(root.id, levels, &key, &created);
    case RegOperation::Kind::SetValue:
        if (const DWORD error = hive.CreateKey(root.id, levels, &key, &created); error)
            return error;
        return hive.SetValue(key, operation.name, operation.type, operation.data);
    case RegOperation::Kind::DeleteKey: {
        const DWORD error = hive.FindKey(root.id, levels, &key);
        if (error == ERROR_FILE_NOT_FOUND)
            return ERROR_SUCCESS;
        return error ? error : hive.DeleteTree(key, RegistryHive::DeleteSelf::Yes);
    }
    case RegOperation::Kind::DeleteValue: {
        DWORD error = hive.FindKey(root.id, levels, &key);
        if (error == ERROR_SUCCESS)
            error = hive.DeleteValue(key, operation.name);
        return error == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : error;
    }
    }
    return ERROR_INVALID_PARAMETER;
}

// The hives an import changes, each in its own transaction, begun in a fixed
// order so that two importing processes cannot wait on each other.
class HiveTransactions {
public:
    DWORD Begin(std::vector<std::shared_ptr<RegistryHive>> hives) {
        std::sort(hives.begin(), hives.end(),
                  [](const auto& a, const auto& b) { return a->Path() < b->Path(); });
        hives.erase(std::unique(hives.begin(), hives.end()), hives.end());
        for (auto& hive : hives) {
            if (const DWORD error = hive->Begin(); error != ERROR_SUCCESS)
                return error;
            m_open.push_back(std::move(hive));
        }
        return ERROR_SUCCESS;
    }

    DWORD Commit() {
        DWORD result = ERROR_SUCCESS;
        for (auto& hive : m_open) {
            if (const DWORD error = hive->Commit(); error != ERROR_SUCCESS && !result)
                result = error;
        }
        m_open.clear();
        return result;
    }

    ~HiveTransactions() {
        for (auto it = m_open.rbegin(); it != m_open.rend(); ++it)
            (*it)->Rollback();
    }

private:
    std::vector<std::shared_ptr<RegistryHive>> m_open;
};

std::string ErrorText(DWORD error) {
    return "registry error " + std::to_string(error);
}

} // namespace

DWORD ExportRegistry(std::u16string_view keyName, RegFormat format, std::string* bytes) {
    RegFileWriter writer(format);
    if (keyName.empty()) {
        for (std::u16string_view root : {u"HKEY_LOCAL_MACHINE", u"HKEY_CURRENT_USER"}) {
            if (const DWORD error = ExportKey(writer, root); error != ERROR_SUCCESS)
                return error;
        }
    } else if (const DWORD error = ExportKey(writer, keyName); error != ERROR_SUCCESS) {
        return error;
    }
    *bytes = writer.Bytes();
    return ERROR_SUCCESS;
}

DWORD ImportRegistry(std::string_view bytes, std::string* message) {
    RegParseResult parsed = ParseRegFile(bytes);
    if (parsed.error != ERROR_SUCCESS) {
        *message = parsed.message;
        return parsed.error;
    }
    std::map<uint32_t, HiveKey> roots;
    std::vector<std::shared_ptr<RegistryHive>> hives;
    for (const auto& operation : parsed.operations) {
        if (roots.contains(operation.root))
            continue;
        HiveKey root;
        if (const DWORD error = ResolvePredefinedKey(operation.root, &root); error) {
            *message = ErrorText(error);
            return error;
        }
        hives.push_back(root.hive);
        roots.emplace(operation.root, std::move(root));
    }
    HiveTransactions transactions;
    if (const DWORD error = transactions.Begin(hives); error != ERROR_SUCCESS) {
        *message = ErrorText(error);
        return error;
    }
    for (const auto& operation : parsed.operations) {
        if (const DWORD error = Apply(operation, roots.at(operation.root)); error) {
            *message = "line " + std::to_string(operation.line) + ": " + ErrorText(error);
            return error;
        }
    }
    if (const DWORD error = transactions.Commit(); error != ERROR_SUCCESS) {
        *message = ErrorText(error);
        return error;
    }
    return ERROR_SUCCESS;
}

} // namespace kx
