#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace dutyloop {

Translations::Translations(const QLocale& locale) {
    // Qt's texts come from the system's installation of Qt; Dutyloop's are built into it.
    m_qtLoaded = m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (m_qtLoaded)
        QCoreApplication::installTranslator(&m_qt);
    m_ownLoaded = m_own.load(locale, QStringLiteral("dutyloop"), QStringLiteral("_"),
                             QStringLiteral(":/i18n"));
    // A language Dutyloop has no words for shows the English texts, and counts them in
    // English: "1 work day", "2 work days".
    if (!m_ownLoaded)
        m_ownLoaded = m_own.load(QStringLiteral(":/i18n/dutyloop_en.qm"));
    if (m_ownLoaded)
        QCoreApplication::installTranslator(&m_own);
}

Translations::~Translations() {
    if (m_ownLoaded)
        QCoreApplication::removeTranslator(&m_own);
    if (m_qtLoaded)
        QCoreApplication::removeTranslator(&m_qt);
}

} // namespace dutyloop
