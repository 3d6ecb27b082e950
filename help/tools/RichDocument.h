// The help's Markdown as a Qt rich-text document: the one layout behind the help pages and the
// reference documents, with the catalogue's pictures and readable tables.
#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QTextDocument;

namespace helpbuild
{
// The bytes of a picture a text names; empty when there is none.
using PictureSource = std::function<std::vector<unsigned char>(const std::string& strName)>;

std::unique_ptr<QTextDocument> RichDocument(const std::string& strMarkdown, const PictureSource& fnPicture);

// The text of a document that stands on its own: links to the help's topics become their words.
std::string WithoutTopicLinks(const std::string& strMarkdown);

// The pictures a Markdown text shows (![...](NAME)).
std::vector<std::string> PicturesOf(const std::string& strMarkdown);

// A help page: the document's HTML with links to other topics ("shock.md") made links to their
// pages ("shock.html").
QString HelpPageHtml(QTextDocument& document);

// The document as PDF bytes on Letter paper (US) or A4 (others), upright or (wide tables) across;
// empty when it could not be drawn.
QByteArray PdfBytes(QTextDocument& document, const QString& strTitle, bool bLetter, bool bLandscape);
} // namespace helpbuild
