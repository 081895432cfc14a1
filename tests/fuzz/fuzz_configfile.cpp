// Feeds arbitrary bytes as the configuration file to the reader and then to
// the writer. Besides memory errors it checks what the two promise: a
// language or camera read is either untouched or simplified text holding an
// ASCII letter or digit, a data location either untouched or text without
// surrounding white space, and a file the writer rewrites is well-formed XML
// again.

#include <cstdint>

#include <QDomDocument>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include "readchecks.h"
#include "storage/xmlparser.h"
#include "storage/xmlwriter.h"

namespace {

QTemporaryDir *folder = nullptr;

const QString untouched = QStringLiteral("untouched");

bool isReadLocation(const QString &value)
{
    return value == untouched || (!value.isEmpty() && value == value.trimmed());
}

bool isReadValue(const QString &value)
{
    return isUntouchedOrSimplified(value, untouched);
}

QByteArray writeAndRead(const QString &path, const QByteArray &content)
{
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    check(file.write(content) == content.size());
    file.close();
    return content;
}

QByteArray contentOf(const QString &path)
{
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile file(path);
    check(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    QLoggingCategory::setFilterRules(QStringLiteral("kavrin.*=false"));
    folder = new QTemporaryDir();
    return folder->isValid() ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = folder->filePath(QStringLiteral("config.xml"));
    const QByteArray input
        = writeAndRead(path, QByteArray(reinterpret_cast<const char *>(data), static_cast<int>(size)));

    QString location = untouched;
    QString language = untouched;
    QString camera = untouched;
    XMLParser parser;
    parser.ParseParams(path, &location, &language, &camera);
    check(isReadLocation(location) && isReadValue(language) && isReadValue(camera));

    XMLWriter().WriteCamera(path, QStringLiteral("Camera & <1>"));
    const QByteArray output = contentOf(path);
    if (output != input)
        check(QDomDocument().setContent(output));
    return 0;
}
