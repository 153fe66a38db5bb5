#include "FileType.h"

#include <map>

namespace {

std::map<String, std::shared_ptr<const FileType>>& registry() {
    static std::map<String, std::shared_ptr<const FileType>> types;
    return types;
}

} // namespace

void FileType::withdraw() {
    if (!registered_)
        return;
    registry().erase(name_);
    registered_ = false;
}

void FileType::Name(const String& value) {
    withdraw();
    name_ = value;
}

void FileType::Extensions(const String& value) {
    withdraw();
    extensions_ = value;
}

void FileType::MacType(const String& value) {
    withdraw();
    macType_ = value;
}

void FileType::MacCreator(const String& value) {
    withdraw();
    macCreator_ = value;
}

void FileType::MimeType(const String& value) {
    withdraw();
    mimeType_ = value;
}

void FileType::Imported(bool value) {
    withdraw();
    imported_ = value;
}

void FileType::ConformsTo(const String& value) {
    withdraw();
    conformsTo_ = value;
}

FileType::operator String() {
    if (!registered_) {
        // The framework keeps a snapshot: what drops are judged by is the type
        // as it stood when registered.
        registry()[name_] = std::make_shared<const FileType>(*this);
        registered_ = true;
    }
    return name_;
}

std::vector<String> FileType::ExtensionList() const {
    std::vector<String> extensions;
    for (String extension : Str::Split(extensions_, ";")) {
        extension = Str::Trim(extension);
        if (extension.empty())
            continue;
        if (extension.front() != '.')
            extension.insert(extension.begin(), '.');
        extensions.push_back(extension);
    }
    return extensions;
}

bool FileType::Matches(const String& fileName) const {
    for (const String& extension : ExtensionList()) {
        if (fileName.size() > extension.size() &&
            fileName.compare(fileName.size() - extension.size(), extension.size(), extension) == 0)
            return true;
    }
    return false;
}

std::shared_ptr<const FileType> FileType::Registered(const String& name) {
    const auto found = registry().find(name);
    return found == registry().end() ? nullptr : found->second;
}
