#pragma once

#include <QString>

class QXmlStreamWriter;

// Namespaces of the Flat OpenDocument files our servers write.
namespace Odf
{
inline const QString office = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
inline const QString style = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:style:1.0");
inline const QString text = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
inline const QString table = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
inline const QString fo = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0");

// Opens office:document with every namespace and the given media type.
void StartDocument(QXmlStreamWriter& xml, const QString& strMimeType);

// Characters of one paragraph: tabs as text:tab, and every space a reader
// would otherwise fold away (a run of them, or one leading) as text:s.
// Control characters XML cannot carry are dropped.
void WriteText(QXmlStreamWriter& xml, const QString& strText);
} // namespace Odf
