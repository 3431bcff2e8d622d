#pragma once

#include <QLocale>
#include <QTranslator>
#include <memory>

namespace dutyloop {

// Dutyloop's texts and Qt's own (its dialogs, the date picker) in one language, installed in
// the application for as long as this lives. A language with no translation stays English,
// with English plurals.
class Translations {
public:
    explicit Translations(const QLocale& locale);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

private:
    QTranslator m_qt;
    QTranslator m_own;
    bool m_qtLoaded = false;
    bool m_ownLoaded = false;
};

} // namespace dutyloop
