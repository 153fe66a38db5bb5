#pragma once

#include "String.h"

#include <memory>
#include <vector>

// A kind of file known to the framework by name. Its string form registers it
// (once, until a property changes) and yields its name; drop targets and save
// panels refer to registered types by that name.
class FileType {
public:
    const String& Name() const { return name_; }
    void Name(const String& value);
    const String& Extensions() const { return extensions_; }
    // One or more extensions separated by ";", each with or without its dot.
    void Extensions(const String& value);
    // The extensions one by one, each with its dot (".app"); blank ones left out.
    std::vector<String> ExtensionList() const;
    void MacType(const String& value);
    void MacCreator(const String& value);
    void MimeType(const String& value);
    void Imported(bool value);
    void ConformsTo(const String& value);

    // The string form: registers the type if it is not registered, then gives its name.
    operator String();

    // Whether `fileName` carries one of the type's extensions (case-sensitive,
    // as the rest of the program compares).
    bool Matches(const String& fileName) const;

    // The registered type of that name, or none.
    static std::shared_ptr<const FileType> Registered(const String& name);

private:
    void withdraw();

    String name_, extensions_, macType_, macCreator_, mimeType_, conformsTo_;
    bool imported_ = false;
    bool registered_ = false;
};

using FileTypePtr = std::shared_ptr<FileType>;
