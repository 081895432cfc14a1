// Feeds arbitrary bytes as a scenario description file to the reader. Besides
// memory errors it checks what the reader promises: a title read from the
// english, polish or portuguese element is either untouched or simplified
// text holding an ASCII letter or digit, a list entry never holds the comma
// that separates entries, and nothing of a file, however broken, reaches the
// scenario read after it.

#include <cstdint>

#include <QFile>
#include <QTemporaryDir>

#include "readchecks.h"
#include "storage/scenariodescription.h"
#include "storage/xmlparser.h"

namespace {

QTemporaryDir *folder = nullptr;
XMLParser *parser = nullptr;

const QString untouched = QStringLiteral("untouched");

bool isReadTitle(const QString &value)
{
    return isUntouchedOrSimplified(value, untouched);
}

bool hasNoSeparator(const QStringList &entries)
{
    for (const QString &entry : entries) {
        if (entry.contains(QLatin1Char(',')))
            return false;
    }
    return true;
}

QString write(const QString &name, const QByteArray &content)
{
    const QString path = folder->filePath(name);
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    check(file.write(content) == content.size());
    return path;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    folder = new QTemporaryDir();
    // One parser for every input, as the application keeps one: what a
    // parse leaves behind meets the next input.
    parser = new XMLParser();
    return folder->isValid() ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = write(QStringLiteral("scenario.xml"),
        QByteArray(reinterpret_cast<const char *>(data), static_cast<int>(size)));

    ScenarioDescription scenario;
    scenario.title.fill(untouched);
    parser->ParseScenario(path, &scenario);
    check(parser->GetOnlineScenario() == &scenario);
    check(isReadTitle(scenario.title[SlotEnglish]) && isReadTitle(scenario.title[SlotPolish])
        && isReadTitle(scenario.title[SlotPortuguese]));
    check(scenario.title[4] == untouched && scenario.title[5] == untouched);
    check(hasNoSeparator(scenario.tools) && hasNoSeparator(scenario.resources));

    ScenarioDescription next;
    parser->ParseScenario(
        write(QStringLiteral("next.xml"), "<s><english>Next</english><id>7</id></s>"), &next);
    check(next.title[SlotEnglish] == QLatin1String("Next") && next.id == 7 && next.author.isEmpty()
        && next.tools.isEmpty());
    return 0;
}
