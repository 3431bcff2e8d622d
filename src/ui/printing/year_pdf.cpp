#include "ui/printing/year_pdf.h"

#include "ui/printing/year_page_painter.h"

#include <QBuffer>
#include <QPdfWriter>

#include <algorithm>
#include <array>

namespace dutyloop {

QPageSize PaperFor(const QLocale& locale) {
    static constexpr std::array kLetterTerritories = {
        QLocale::Belize,       QLocale::Canada,     QLocale::Chile,       QLocale::Colombia,
        QLocale::CostaRica,    QLocale::ElSalvador, QLocale::Guatemala,   QLocale::Mexico,
        QLocale::Nicaragua,    QLocale::Panama,     QLocale::Philippines, QLocale::PuertoRico,
        QLocale::UnitedStates, QLocale::Venezuela};
    const bool letter = std::find(kLetterTerritories.begin(), kLetterTerritories.end(),
                                  locale.territory()) != kLetterTerritories.end();
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

void SetUpYearPaper(QPagedPaintDevice& device, const QPageSize& paper) {
    device.setPageLayout(QPageLayout(paper, QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                                     QPageLayout::Millimeter));
}

QByteArray YearPagePdf(const YearPage& page, const QPageSize& paper) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(page.title);
        writer.setCreator(QStringLiteral("Dutyloop"));
        writer.setResolution(300);
        SetUpYearPaper(writer, paper);
        if (!PrintYearPage(writer, page))
            return {};
    }
    return bytes;
}

} // namespace dutyloop
