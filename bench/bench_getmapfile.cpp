// Speed of the mapping-file reader on a table of the published Adobe-Japan1
// size, of the version reader on a crafted property list, and of the value
// comparison the compare button makes for every key.
#include "window/Window1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <stdexcept>

namespace {

constexpr const char* mapPath =
    "Contents/PlugIns/OTF.glyphsFileFormat/Contents/Resources/MapFileAdobeJapan1.txt";

// The shape of cid2code-2022.txt: a header line, then one line per CID with
// 32 tab-separated columns, most of them "*", some hexadecimal codes.
std::string generatedTable() {
    constexpr int cidCount = 23060;
    constexpr int columnCount = 32;
    std::string table = "CID";
    for (int column = 2; column <= columnCount; ++column)
        table += "\tColumn" + std::to_string(column);
    table += '\n';
    char code[32];
    for (int cid = 0; cid < cidCount; ++cid) {
        table += std::to_string(cid);
        for (int column = 2; column <= columnCount; ++column) {
            const int pick = (cid * 7 + column * 13) % 6;
            if (pick < 4)
                std::snprintf(code, sizeof code, "\t*");
            else
                std::snprintf(code, sizeof code, "\t%0*x", pick == 4 ? 4 : 8, cid * 31 + column);
            table += code;
        }
        table += '\n';
    }
    return table;
}

QByteArray readOrGenerateTable() {
    QFile published(QStringLiteral(QUILLSTONE_BENCH_DATA "/cid2code-2022.txt"));
    if (published.open(QIODevice::ReadOnly))
        return published.readAll();
    std::fputs("cid2code-2022.txt not found; reading a generated table of the same shape\n",
               stderr);
    const std::string generated = generatedTable();
    return QByteArray(generated.data(), static_cast<qsizetype>(generated.size()));
}

// Read or generated once: every benchmark run sets up its bundle anew.
const QByteArray& tableBytes() {
    static const QByteArray table = readOrGenerateTable();
    return table;
}

// The table `times` times over, every tabbed line's key prefixed by its
// repetition, so that every copy adds keys of its own.
QByteArray repeated(const QByteArray& table, int times) {
    if (times == 1)
        return table;
    const QList<QByteArray> lines = table.split('\n');
    QByteArray result;
    result.reserve(table.size() * times + lines.size() * times * 3);
    for (int repetition = 0; repetition < times; ++repetition) {
        const QByteArray prefix = QByteArray::number(repetition) + '-';
        for (const QByteArray& line : lines) {
            if (line.contains('\t'))
                result += prefix;
            result += line;
            result += '\n';
        }
    }
    return result;
}

// A Glyphs bundle in a temporary folder whose mapping file is the table above.
class BenchBundle {
public:
    explicit BenchBundle(int times) : bytes_(repeated(tableBytes(), times)) {
        const QString file = dir_.path() + "/Glyphs.app/" + mapPath;
        QFile out(file);
        if (!dir_.isValid() || !QDir().mkpath(QFileInfo(file).path()) ||
            !out.open(QIODevice::WriteOnly) || out.write(bytes_) != bytes_.size())
            throw std::runtime_error("cannot write " + file.toStdString());
    }

    FolderItemPtr item() const {
        return std::make_shared<FolderItem>((dir_.path() + "/Glyphs.app").toStdString());
    }
    std::int64_t size() const { return bytes_.size(); }

private:
    QTemporaryDir dir_;
    QByteArray bytes_;
};

// The argument is how many times over the table is repeated in the file.
void GetMapFile(benchmark::State& state) {
    const BenchBundle bundle(static_cast<int>(state.range(0)));
    const FolderItemPtr app = bundle.item();
    std::int64_t keys = 0;
    for (auto _ : state) {
        const Dictionary map = Window1::GetMapFile(app);
        keys = map.KeyCount();
        benchmark::DoNotOptimize(keys);
    }
    state.SetBytesProcessed(state.iterations() * bundle.size());
    state.counters["keys"] = static_cast<double>(keys);
}
BENCHMARK(GetMapFile)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// A crafted Info.plist: the short-version key again and again, its string
// never closed. The argument is the file's size in kilobytes; 4096 is the
// largest property list the reader takes.
void GetAppVerInfoUnclosedValues(benchmark::State& state) {
    const std::string entry = "<key>CFBundleShortVersionString</key><string>";
    std::string plist;
    while (plist.size() + entry.size() <= static_cast<std::size_t>(state.range(0)) * 1024)
        plist += entry;
    QTemporaryDir dir;
    const QString file = dir.path() + "/Glyphs.app/Contents/Info.plist";
    QFile out(file);
    if (!dir.isValid() || !QDir().mkpath(QFileInfo(file).path()) ||
        !out.open(QIODevice::WriteOnly) ||
        out.write(plist.data(), static_cast<qint64>(plist.size())) !=
            static_cast<qint64>(plist.size()))
        throw std::runtime_error("cannot write " + file.toStdString());
    out.close();
    const auto app = std::make_shared<FolderItem>((dir.path() + "/Glyphs.app").toStdString());
    for (auto _ : state)
        benchmark::DoNotOptimize(Window1::GetAppVerInfo(app));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(plist.size()));
}
BENCHMARK(GetAppVerInfoUnclosedValues)->Arg(900)->Arg(4096)->Unit(benchmark::kMillisecond);

// Most values of two versions are equal; then the bytes decide at once.
void CompareEqual(benchmark::State& state) {
    const String oldValue = "000000a0,00000020";
    const String newValue = String("000000a0,") + "00000020";
    for (auto _ : state)
        benchmark::DoNotOptimize(
            Str::Compare(oldValue, newValue, ComparisonOptions::CaseSensitive));
}
BENCHMARK(CompareEqual);

void CompareDiffering(benchmark::State& state) {
    const String oldValue = "00002eac";
    const String newValue = "00002eac,00031350";
    for (auto _ : state)
        benchmark::DoNotOptimize(
            Str::Compare(oldValue, newValue, ComparisonOptions::CaseSensitive));
}
BENCHMARK(CompareDiffering);

void CompareDifferingInLastCharacter(benchmark::State& state) {
    const String oldValue = "0001b155";
    const String newValue = "0001b155v";
    for (auto _ : state)
        benchmark::DoNotOptimize(
            Str::Compare(oldValue, newValue, ComparisonOptions::CaseSensitive));
}
BENCHMARK(CompareDifferingInLastCharacter);

} // namespace

// The reader may raise an alert, which needs a GUI application; without a
// display one runs offscreen.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
