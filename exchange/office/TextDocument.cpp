#include "TextDocument.h"

#include "OdfText.h"

#include <QByteArray>
#include <QXmlStreamWriter>

#include <map>
#include <tuple>

namespace
{
QString SizeText(double dSize)
{
    return QString::number(dSize, 'g', 6) + QStringLiteral("pt");
}

QString AlignText(int nAlign)
{
    switch (nAlign) {
    case CTextDocument::alignCentre:
        return QStringLiteral("center");
    case CTextDocument::alignRight:
        return QStringLiteral("end");
    default:
        return QStringLiteral("start");
    }
}

auto FormatKey(const CTextDocument::SCharFormat& f)
{
    return std::make_tuple(f.bBold, f.bItalic, f.bUnderline, f.dSize);
}
} // namespace

CTextDocument::CTextDocument() : m_paragraphs(1) {}

void CTextDocument::SetAlignment(int nAlign)
{
    m_paragraphs.back().nAlign = nAlign;
}

void CTextDocument::TypeText(const std::string& strText)
{
    std::string strRun;
    const auto flush = [&] {
        if (strRun.empty())
            return;
        auto& runs = m_paragraphs.back().runs;
        if (!runs.empty() && runs.back().format == m_format)
            runs.back().strText += strRun;
        else
            runs.push_back({strRun, m_format});
        strRun.clear();
    };
    for (size_t i = 0; i < strText.size(); ++i) {
        const char c = strText[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < strText.size() && strText[i + 1] == '\n')
                ++i;
            flush();
            SParagraph next;
            next.nAlign = m_paragraphs.back().nAlign;
            m_paragraphs.push_back(std::move(next));
        } else {
            strRun.push_back(c);
        }
    }
    flush();
}

std::string CTextDocument::ToFlatOdt() const
{
    // One automatic style per alignment and per character format in use.
    std::map<int, QString> paraStyles;
    std::map<decltype(FormatKey(SCharFormat())), QString> textStyles;
    for (const SParagraph& p : m_paragraphs) {
        paraStyles.emplace(p.nAlign, QString());
        for (const SRun& r : p.runs)
            textStyles.emplace(FormatKey(r.format), QString());
    }

    QByteArray out;
    QXmlStreamWriter xml(&out);
    Odf::StartDocument(xml, QStringLiteral("application/vnd.oasis.opendocument.text"));

    xml.writeStartElement(Odf::office, QStringLiteral("styles"));
    xml.writeStartElement(Odf::style, QStringLiteral("default-style"));
    xml.writeAttribute(Odf::style, QStringLiteral("family"), QStringLiteral("paragraph"));
    xml.writeEmptyElement(Odf::style, QStringLiteral("text-properties"));
    xml.writeAttribute(Odf::fo, QStringLiteral("font-size"), SizeText(SCharFormat().dSize));
    xml.writeEndElement();
    xml.writeEndElement();

    xml.writeStartElement(Odf::office, QStringLiteral("automatic-styles"));
    int n = 0;
    for (auto& [nAlign, strName] : paraStyles) {
        strName = QStringLiteral("P%1").arg(++n);
        xml.writeStartElement(Odf::style, QStringLiteral("style"));
        xml.writeAttribute(Odf::style, QStringLiteral("name"), strName);
        xml.writeAttribute(Odf::style, QStringLiteral("family"), QStringLiteral("paragraph"));
        xml.writeEmptyElement(Odf::style, QStringLiteral("paragraph-properties"));
        xml.writeAttribute(Odf::fo, QStringLiteral("text-align"), AlignText(nAlign));
        xml.writeEndElement();
    }
    n = 0;
    for (auto& [key, strName] : textStyles) {
        const auto& [bBold, bItalic, bUnderline, dSize] = key;
        strName = QStringLiteral("T%1").arg(++n);
        xml.writeStartElement(Odf::style, QStringLiteral("style"));
        xml.writeAttribute(Odf::style, QStringLiteral("name"), strName);
        xml.writeAttribute(Odf::style, QStringLiteral("family"), QStringLiteral("text"));
        xml.writeEmptyElement(Odf::style, QStringLiteral("text-properties"));
        xml.writeAttribute(Odf::fo, QStringLiteral("font-weight"),
                           bBold ? QStringLiteral("bold") : QStringLiteral("normal"));
        xml.writeAttribute(Odf::fo, QStringLiteral("font-style"),
                           bItalic ? QStringLiteral("italic") : QStringLiteral("normal"));
        xml.writeAttribute(Odf::style, QStringLiteral("text-underline-style"),
                           bUnderline ? QStringLiteral("solid") : QStringLiteral("none"));
        if (bUnderline) {
            xml.writeAttribute(Odf::style, QStringLiteral("text-underline-width"), QStringLiteral("auto"));
            xml.writeAttribute(Odf::style, QStringLiteral("text-underline-color"), QStringLiteral("font-color"));
        }
        xml.writeAttribute(Odf::fo, QStringLiteral("font-size"), SizeText(dSize));
        xml.writeEndElement();
    }
    xml.writeEndElement();

    xml.writeStartElement(Odf::office, QStringLiteral("body"));
    xml.writeStartElement(Odf::office, QStringLiteral("text"));
    for (const SParagraph& p : m_paragraphs) {
        xml.writeStartElement(Odf::text, QStringLiteral("p"));
        xml.writeAttribute(Odf::text, QStringLiteral("style-name"), paraStyles[p.nAlign]);
        for (const SRun& r : p.runs) {
            xml.writeStartElement(Odf::text, QStringLiteral("span"));
            xml.writeAttribute(Odf::text, QStringLiteral("style-name"), textStyles[FormatKey(r.format)]);
            Odf::WriteText(xml, QString::fromStdString(r.strText));
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return out.toStdString();
}
