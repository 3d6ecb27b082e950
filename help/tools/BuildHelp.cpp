// build_help: the help and the reference documents of one language, from the help sources of that
// language (a page it lacks comes from the U.S. English sources) and the language's catalogue:
//   help/XX/tesmara.qhp and its pages (for the help generator), help/XX/text/*.txt (tesmara help),
//   reference/XX/*.pdf (every document the catalogue names).
#include "CatalogueTables.h"
#include "Directives.h"
#include "QtHelpProject.h"
#include "RichDocument.h"
#include "TerminalText.h"
#include "TopicList.h"

#include "catalogue/Database.h"
#include "catalogue/QueryDef.h"
#include "catalogue/Recordset.h"
#include "platform/FileReplace.h"
#include "product/ReferenceDocuments.h"
#include "selection/AccumulatorData.h"
#include "selection/SelectionOwner.h"
#include "sizing/EntryLimits.h"
#include "units/DefaultUnits.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdio>
#include <map>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;
using namespace helpbuild;

namespace
{
struct SArgs
{
    std::string strLanguage, strCatalogueLanguage = "US";
    fs::path sources, catalogue, app, project;
};

// The catalogue with the U.S. standard units: the owner the limits are read through, as the
// program reads them into every new selection.
class CCatalogueOwner final : public ISelectionOwner
{
public:
    explicit CCatalogueOwner(IDatabase& db) : m_db(db) {}
    IDatabase* Database() override { return &m_db; }
    int ProdId() const override { return 0; }
    std::string DefaultUnit(int nCategoryId) const override { return m_units.GetDefaultUnit(nCategoryId); }
    const CBaseProduct* CurrentSelection() const override { return nullptr; }

private:
    IDatabase& m_db;
    CDefaultUnits m_units = CDefaultUnits::Standard();
};

struct SDocument
{
    std::string strFile;   // as the program opens it
    std::string strSeries; // a series' data sheet
    std::string strTitle, strMarkdown;
};

void Write(const fs::path& file, const std::string& strBytes)
{
    fs::create_directories(file.parent_path());
    std::string strReason;
    if (!ReplaceFileContents(file, strBytes, strReason))
        throw std::runtime_error(file.string() + ": " + strReason);
}

std::string Both(const CUnitDouble& value, const char* pszFirst, int nFirst, const char* pszSecond, int nSecond)
{
    return ShownNumber(value.GetValue(pszFirst), pszFirst, nFirst) + " (" +
           ShownNumber(value.GetValue(pszSecond), pszSecond, nSecond) + ")";
}

// The limits the entry checks apply, from the selection the program would start with and the
// program's own bounds.
LimitTexts Limits(IDatabase& db)
{
    CCatalogueOwner owner(db);
    CAccumulatorData data;
    data.m_pOwner = &owner;
    data.Initialize(0);
    return {
        {"max-pressure", Both(data.sdAllowedMaxAccumulatorPress, "PSIG", 0, "BAR", 1)},
        {"max-capacity", Both(data.sdAllowedMaxAccumulatorVol, "GAL", 1, "L", 0)},
        {"max-temperature", Both(data.sdAllowedMaxTemperature, "DEG_F", 0, "DEG_C", 0)},
        {"min-temperature", Both(data.sdAllowedMinTemperature, "DEG_F", 0, "DEG_C", 0)},
        {"longest-time", Both(CUnitDouble(sizing::kLongestTimeSec, "SEC"), "SEC", 0, "HR", 0)},
        {"longest-hold", Both(CUnitDouble(sizing::kLongestHoldSec, "SEC"), "SEC", 0, "HR", 0)},
        {"most-pistons", std::to_string(sizing::kMostPumpPistons)},
    };
}

// A source of the language, else of U.S. English; empty path when neither has it.
fs::path SourceFile(const SArgs& args, const fs::path& relative)
{
    for (const std::string& strLanguage : {args.strLanguage, std::string("US")})
    {
        const fs::path file = args.sources / strLanguage / relative;
        if (fs::is_regular_file(file))
        {
            if (strLanguage != args.strLanguage)
                std::fprintf(stderr, "build_help: %s: %s comes from the U.S. English sources\n",
                             args.strLanguage.c_str(), relative.string().c_str());
            return file;
        }
    }
    return fs::path();
}

// Takes the "index: term; term" lines out of a source.
std::string WithoutIndexLines(const std::string& strSource, std::vector<std::string>& terms)
{
    std::istringstream lines(strSource);
    std::string strOut;
    for (std::string strLine; std::getline(lines, strLine);)
    {
        if (strLine.rfind("index:", 0) != 0)
        {
            strOut += strLine + "\n";
            continue;
        }
        std::istringstream list(strLine.substr(6));
        for (std::string strTerm; std::getline(list, strTerm, ';');)
        {
            strTerm.erase(0, strTerm.find_first_not_of(' '));
            strTerm.erase(strTerm.find_last_not_of(' ') + 1);
            if (!strTerm.empty())
                terms.push_back(strTerm);
        }
    }
    return strOut;
}

std::vector<SDocument> NamedDocuments(IDatabase& db)
{
    std::vector<SDocument> documents;
    IQueryDef def(db);
    def.Open("qRefDocuments");
    IRecordset rows(db);
    rows.Open(def);
    for (; !rows.IsEOF(); rows.MoveNext())
    {
        const bool bTopic = rows.GetInt("IsTopic") != 0;
        SDocument document;
        document.strFile = bTopic ? ReferenceTopicFile(rows.GetString("Document")) : rows.GetString("Document");
        const std::string strSeries = rows.GetString("SeriesName");
        if (bTopic && rows.GetString("Dialog") == "ALL" && strSeries != "ALL" && strSeries != "Contents")
            document.strSeries = strSeries;
        bool bKnown = false;
        for (const SDocument& other : documents)
            bKnown = bKnown || other.strFile == document.strFile;
        if (!bKnown)
            documents.push_back(document);
    }
    return documents;
}

// The source of a document: its own, else (a data sheet) the template of its kind of series.
fs::path DocumentSource(const SArgs& args, const SDocument& document, CCatalogueTables& tables)
{
    const std::string strStem = fs::path(document.strFile).stem().string();
    fs::path source = SourceFile(args, fs::path("reference") / (strStem + ".md"));
    if (source.empty() && !document.strSeries.empty())
    {
        const std::string strType = tables.SeriesType(document.strSeries);
        const char* pszTemplate = strType == "OV" ? "series-isolator.md" : document.strSeries == "TB" ? "series-barrier.md"
                                                                                                     : "series.md";
        source = SourceFile(args, fs::path("reference") / pszTemplate);
    }
    return source;
}

void Run(const SArgs& args)
{
    IDatabase db;
    if (!db.Open(args.catalogue, "Acc", args.strCatalogueLanguage))
        throw std::runtime_error("the catalogue in " + args.catalogue.string() + " cannot be opened");
    CCatalogueTables tables(db);
    const LimitTexts limits = Limits(db);
    std::vector<STopic> topics = ReadTopicList(args.sources / "topics.txt");
    CExpander expander(tables, limits, topics);

    // The titles first: a topic may list the others.
    std::vector<std::pair<fs::path, std::string>> sources;
    for (STopic& topic : topics)
    {
        const fs::path source = SourceFile(args, topic.strName + ".md");
        if (source.empty())
            throw std::runtime_error("no source for the topic " + topic.strName);
        sources.emplace_back(source, WithoutIndexLines(ReadTextFile(source), topic.index));
        topic.strTitle = FirstHeading(sources.back().second);
        if (topic.strTitle.empty())
            throw std::runtime_error(source.string() + ": no heading");
    }
    for (std::size_t n = 0; n < topics.size(); ++n)
        topics[n].strMarkdown = expander.Expand(sources[n].second, sources[n].first.string());

    // Every document the catalogue names must be built: a missing source stops the build.
    std::vector<SDocument> documents = NamedDocuments(db);
    std::string strMissing;
    std::vector<std::string> documentLabels;
    for (SDocument& document : documents)
    {
        const fs::path source = DocumentSource(args, document, tables);
        if (source.empty())
        {
            strMissing += " " + document.strFile;
            continue;
        }
        expander.SetSeries(document.strSeries);
        document.strMarkdown = expander.Expand(ReadTextFile(source), source.string());
        document.strTitle = FirstHeading(document.strMarkdown);
        if (!expander.DocumentLabels().empty())
            documentLabels = expander.DocumentLabels();
    }
    if (!strMissing.empty())
        throw std::runtime_error("the catalogue names documents that have no source:" + strMissing);
    if (!documentLabels.empty() && documentLabels.size() != 2)
        throw std::runtime_error("documents takes two labels");
    std::vector<std::vector<std::string>> listed;
    for (const SDocument& document : documents)
        listed.push_back({document.strFile, document.strTitle});
    for (SDocument& document : documents)
        for (std::size_t n = document.strMarkdown.find(kDocumentsMark); n != std::string::npos;
             n = document.strMarkdown.find(kDocumentsMark))
            document.strMarkdown.replace(n, kDocumentsMark.size(), MarkdownTable(documentLabels, listed));

    const PictureSource fnPicture = [&](const std::string& strName) { return tables.PictureBytes(strName); };
    const fs::path helpFolder = args.app / "help" / args.strLanguage;
    std::string strIndex;
    for (const STopic& topic : topics)
    {
        Write(helpFolder / "text" / (topic.strName + ".txt"), TerminalText(topic.strMarkdown));
        std::string strDialogs;
        for (const std::string& strDialog : topic.dialogs)
            strDialogs += " " + strDialog;
        for (const std::string& strId : topic.dialogIds)
            strDialogs += " " + strId;
        strIndex += topic.strName + "\t" + std::to_string(topic.nDepth) + "\t" + topic.strTitle + "\t" +
                    (strDialogs.empty() ? std::string() : strDialogs.substr(1)) + "\n";
    }
    Write(helpFolder / "text" / "topics.txt", strIndex);
    WriteHelpProject(args.project, args.strLanguage, topics, fnPicture);

    for (const SDocument& document : documents)
    {
        const auto pDocument = RichDocument(WithoutTopicLinks(document.strMarkdown), fnPicture);
        // A data sheet's tables are wide: its pages lie across.
        const QByteArray pdf = PdfBytes(*pDocument, QString::fromStdString(document.strTitle), args.strLanguage == "US",
                                        !document.strSeries.empty());
        if (pdf.isEmpty())
            throw std::runtime_error(document.strFile + " could not be drawn");
        Write(args.app / "reference" / args.strLanguage / document.strFile, pdf.toStdString());
    }
    std::printf("build_help: %s: %zu topics, %zu documents\n", args.strLanguage.c_str(), topics.size(),
                documents.size());
}
} // namespace

int main(int argc, char** argv)
{
    // Drawn at build time, where there is no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    SArgs args;
    for (int i = 1; i + 1 < argc; i += 2)
    {
        const std::string strOption = argv[i], strValue = argv[i + 1];
        if (strOption == "--language")
            args.strLanguage = strValue;
        else if (strOption == "--catalogue-language")
            args.strCatalogueLanguage = strValue;
        else if (strOption == "--sources")
            args.sources = strValue;
        else if (strOption == "--catalogue")
            args.catalogue = strValue;
        else if (strOption == "--app")
            args.app = strValue;
        else if (strOption == "--project")
            args.project = strValue;
    }
    if (args.strLanguage.empty() || args.sources.empty() || args.catalogue.empty() || args.app.empty() ||
        args.project.empty())
    {
        std::fprintf(stderr, "usage: build_help --language XX --sources DIR --catalogue DIR "
                             "[--catalogue-language XX] --app DIR --project DIR\n");
        return 2;
    }
    try
    {
        Run(args);
    }
    catch (const std::exception& e)
    {
        std::fprintf(stderr, "build_help: %s\n", e.what());
        return 1;
    }
    return 0;
}
