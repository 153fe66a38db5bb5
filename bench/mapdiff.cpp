// mapdiff OLD.app NEW.app
//
// Reads the two bundles' Adobe-Japan1 mapping files with the program's own
// reader (old first) and prints the rows the compare button would list, one
// per line: old value, tab, new value. A timing tool for the reading path,
// not part of the program: it links only the reading halves of the support
// layer and of the framework, so it loads nothing of Qt Gui or Widgets. What
// the window would tell in an alert, the regular-expression routine's message
// included, goes to stderr, each text followed by a line end, and the exit
// status is then 1.
#include "framework/Exceptions.h"
#include "framework/MsgBox.h"
#include "support/BundleReader.h"

#include <cstdio>
#include <memory>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: mapdiff OLD.app NEW.app\n", stderr);
        return 2;
    }
    bool alerted = false;
    const BundleReader::Alert alert = [&alerted](const String& message) {
        alerted = true;
        MsgBox(message);
    };
    try {
        const Dictionary oldMap =
            BundleReader::MapFile(std::make_shared<FolderItem>(String(argv[1])), alert);
        const Dictionary newMap =
            BundleReader::MapFile(std::make_shared<FolderItem>(String(argv[2])), alert);
        String rows;
        BundleReader::ForEachChangedValue(
            oldMap, newMap, [&rows](const String& oldValue, const String& newValue) {
                rows.append(oldValue).append("\t").append(newValue).append("\n");
            });
        if (std::fwrite(rows.data(), 1, rows.size(), stdout) != rows.size() ||
            std::fflush(stdout) != 0) {
            std::perror("mapdiff: cannot write the rows");
            return 1;
        }
    } catch (const RuntimeException& error) {
        alert(error.Message);
    }
    return alerted ? 1 : 0;
}
