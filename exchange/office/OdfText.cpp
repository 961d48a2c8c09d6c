#include "OdfText.h"

#include <QXmlStreamWriter>

namespace Odf
{
void StartDocument(QXmlStreamWriter& xml, const QString& strMimeType)
{
    xml.setAutoFormatting(false);
    xml.writeStartDocument();
    xml.writeNamespace(office, QStringLiteral("office"));
    xml.writeNamespace(style, QStringLiteral("style"));
    xml.writeNamespace(text, QStringLiteral("text"));
    xml.writeNamespace(table, QStringLiteral("table"));
    xml.writeNamespace(fo, QStringLiteral("fo"));
    xml.writeStartElement(office, QStringLiteral("document"));
    xml.writeAttribute(office, QStringLiteral("version"), QStringLiteral("1.2"));
    xml.writeAttribute(office, QStringLiteral("mimetype"), strMimeType);
}

void WriteText(QXmlStreamWriter& xml, const QString& strText)
{
    QString strPending;
    bool bAfterSpace = true; // a space at the start would be folded away
    const auto flush = [&] {
        if (!strPending.isEmpty())
            xml.writeCharacters(strPending);
        strPending.clear();
    };
    for (qsizetype i = 0; i < strText.size();) {
        const QChar c = strText[i];
        if (c == QLatin1Char(' ')) {
            qsizetype n = 0;
            while (i + n < strText.size() && strText[i + n] == QLatin1Char(' '))
                ++n;
            i += n;
            if (!bAfterSpace) {
                strPending += QLatin1Char(' ');
                --n;
            }
            if (n > 0) {
                flush();
                xml.writeEmptyElement(text, QStringLiteral("s"));
                if (n > 1)
                    xml.writeAttribute(text, QStringLiteral("c"), QString::number(n));
            }
            bAfterSpace = true;
            continue;
        }
        if (c == QLatin1Char('\t')) {
            flush();
            xml.writeEmptyElement(text, QStringLiteral("tab"));
            bAfterSpace = true;
        } else if ((c.unicode() >= 0x20 && c.unicode() < 0xFFFE) || c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            strPending += c;
            bAfterSpace = false;
        }
        ++i;
    }
    flush();
}
} // namespace Odf
