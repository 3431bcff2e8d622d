#include "ui/about/mirrored_svg.h"

#include <QRegularExpression>
#include <QStringList>

namespace dutyloop {

namespace {

// The value of `name="…"` among a start tag's attributes; empty where it has none.
QString AttributeValue(const QString& attributes, const QString& name) {
    const QRegularExpression value(QStringLiteral("\\s%1=\"([^\"]*)\"").arg(name));
    return value.match(attributes).captured(1);
}

// The line the drawing is mirrored about, doubled: minimum x plus the width of the view box,
// or the width where there is none.
double MirrorOffset(const QString& svgAttributes) {
    const QStringList box =
        AttributeValue(svgAttributes, QStringLiteral("viewBox"))
            .split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts);
    if (box.size() == 4)
        return 2 * box[0].toDouble() + box[2].toDouble();
    return AttributeValue(svgAttributes, QStringLiteral("width")).toDouble();
}

// A text's attributes for the mirrored drawing: turned about its own x, so that the mirror
// around it sets it upright again, and held at its other end.
QString UprightTextAttributes(const QString& attributes) {
    const double x = AttributeValue(attributes, QStringLiteral("x")).toDouble();
    const QString anchor = AttributeValue(attributes, QStringLiteral("text-anchor"));
    QString upright = attributes;
    upright.remove(QRegularExpression(QStringLiteral("\\stext-anchor=\"[^\"]*\"")));
    const QString mirroredAnchor = anchor == QLatin1String("middle") ? anchor
                                   : anchor == QLatin1String("end")  ? QStringLiteral("start")
                                                                     : QStringLiteral("end");
    return upright + QStringLiteral(" text-anchor=\"%1\" transform=\"matrix(-1 0 0 1 %2 0)\"")
                         .arg(mirroredAnchor)
                         .arg(2 * x);
}

} // namespace

QString MirroredSvg(const QString& svg) {
    static const QRegularExpression kRoot(QStringLiteral("<svg\\b([^>]*)>"));
    const QRegularExpressionMatch root = kRoot.match(svg);
    const qsizetype end = svg.lastIndexOf(QStringLiteral("</svg>"));
    if (!root.hasMatch() || end < root.capturedEnd())
        return svg;
    static const QRegularExpression kText(QStringLiteral("<text\\b([^>]*)>"));
    QString body;
    const QString inner = svg.sliced(root.capturedEnd(), end - root.capturedEnd());
    qsizetype copied = 0;
    for (auto it = kText.globalMatch(inner); it.hasNext();) {
        const QRegularExpressionMatch text = it.next();
        body += QStringView(inner).sliced(copied, text.capturedStart() - copied);
        body +=
            QStringLiteral("<text") + UprightTextAttributes(text.captured(1)) + QLatin1Char('>');
        copied = text.capturedEnd();
    }
    body += QStringView(inner).sliced(copied);
    return svg.left(root.capturedEnd()) +
           QStringLiteral("<g transform=\"matrix(-1 0 0 1 %1 0)\">")
               .arg(MirrorOffset(root.captured(1))) +
           body + QStringLiteral("</g>") + svg.sliced(end);
}

} // namespace dutyloop
