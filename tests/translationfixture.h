#pragma once

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

#include <memory>

// Installs the compiled-in translation of a language code, as the main window
// does at start-up. Null when the file cannot be loaded.
// The translator takes itself out of the application when destroyed.
inline std::unique_ptr<QTranslator> installTranslation(const QString &code)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(":/qm/%1.qm").arg(code)))
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}
