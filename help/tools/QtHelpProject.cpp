// Writing the help pages and the help project.
#include "QtHelpProject.h"

#include "platform/FileReplace.h"

#include <QTextDocument>
#include <QXmlStreamWriter>

#include <cctype>
#include <set>
#include <stdexcept>

namespace helpbuild
{
namespace
{
void Write(const std::filesystem::path& file, const QByteArray& bytes)
{
    std::string strReason;
    if (!ReplaceFileContents(file, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), strReason))
        throw std::runtime_error(file.string() + ": " + strReason);
}

QString Q(const std::string& strText)
{
    return QString::fromStdString(strText);
}

// The contents from topic i on, each topic with those nested below it.
std::size_t WriteSections(QXmlStreamWriter& xml, const std::vector<STopic>& topics, std::size_t i)
{
    const int nDepth = topics[i].nDepth;
    while (i < topics.size() && topics[i].nDepth == nDepth)
    {
        xml.writeStartElement(QStringLiteral("section"));
        xml.writeAttribute(QStringLiteral("title"), Q(topics[i].strTitle));
        xml.writeAttribute(QStringLiteral("ref"), Q(topics[i].strName + ".html"));
        ++i;
        if (i < topics.size() && topics[i].nDepth > nDepth)
            i = WriteSections(xml, topics, i);
        xml.writeEndElement();
    }
    return i;
}

void Keyword(QXmlStreamWriter& xml, const std::string& strName, const std::string& strId, const std::string& strRef)
{
    xml.writeStartElement(QStringLiteral("keyword"));
    xml.writeAttribute(QStringLiteral("name"), Q(strName));
    if (!strId.empty())
        xml.writeAttribute(QStringLiteral("id"), Q(strId));
    xml.writeAttribute(QStringLiteral("ref"), Q(strRef));
    xml.writeEndElement();
}
} // namespace

void WriteHelpProject(const std::filesystem::path& folder, const std::string& strLanguage,
                      const std::vector<STopic>& topics, const PictureSource& fnPicture)
{
    std::filesystem::create_directories(folder);
    std::set<std::string> files;
    for (const STopic& topic : topics)
    {
        const auto pDocument = RichDocument(topic.strMarkdown, fnPicture);
        pDocument->setMetaInformation(QTextDocument::DocumentTitle, Q(topic.strTitle));
        Write(folder / (topic.strName + ".html"), HelpPageHtml(*pDocument).toUtf8());
        files.insert(topic.strName + ".html");
        for (const std::string& strPicture : PicturesOf(topic.strMarkdown))
        {
            const std::vector<unsigned char> bytes = fnPicture(strPicture);
            Write(folder / strPicture, QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size())));
            files.insert(strPicture);
        }
    }

    QByteArray project;
    QXmlStreamWriter xml(&project);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("QtHelpProject"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
    std::string strNamespace = "tesmara.accumulator." + strLanguage;
    for (char& c : strNamespace)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    xml.writeTextElement(QStringLiteral("namespace"), Q(strNamespace));
    xml.writeTextElement(QStringLiteral("virtualFolder"), QStringLiteral("help"));
    xml.writeStartElement(QStringLiteral("filterSection"));
    xml.writeStartElement(QStringLiteral("toc"));
    WriteSections(xml, topics, 0);
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("keywords"));
    for (const STopic& topic : topics)
    {
        const std::string strPage = topic.strName + ".html";
        Keyword(xml, topic.strTitle, topic.strName, strPage);
        for (const std::string& strTerm : topic.index)
            Keyword(xml, strTerm, std::string(), strPage);
        for (const std::string& strDialog : topic.dialogs)
            Keyword(xml, topic.strTitle, strDialog, strPage);
        for (const std::string& strId : topic.dialogIds)
            Keyword(xml, topic.strTitle, strId, strPage);
    }
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("files"));
    for (const std::string& strFile : files)
        xml.writeTextElement(QStringLiteral("file"), Q(strFile));
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    Write(folder / "tesmara.qhp", project);
}
} // namespace helpbuild
