// Parsing the command line.
#include "app/CommandLine.h"

#include <algorithm>
#include <cctype>

namespace
{
bool IsTwoLetters(const std::string& s)
{
    return s.size() == 2 && std::isalpha(static_cast<unsigned char>(s[0])) &&
           std::isalpha(static_cast<unsigned char>(s[1]));
}

std::string Upper(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::toupper(c); });
    return s;
}
} // namespace

bool CCmdLineInfo::IsLanguageArgument(const std::string& strArgument)
{
    // Only "/" and two letters: every path here contains "/", so taking the two characters
    // after any "/" would read "/home/..." as the language "HO".
    return strArgument.size() == 3 && strArgument[0] == '/' && IsTwoLetters(strArgument.substr(1));
}

const char* CCmdLineInfo::Usage()
{
    return "Usage: tesmara-accumulator [--no-splash] [--language XX | /XX] [file.Ac3 | /p file.Ac3]";
}

std::string CCmdLineInfo::HelpText()
{
    return std::string(Usage()) +
           "\n"
           "Sizes hydraulic accumulators and selects them from the catalogue; opens file.Ac3, a saved\n"
           "selection, when one is given.\n"
           "\n"
           "Options:\n"
           "  --language XX, /XX  start in the language XX, a two-letter code such as US\n"
           "  --no-splash         start without the splash screen, the disclaimer and the tip of the day\n"
           "  /p file.Ac3         print the selection's report on the default printer and exit\n"
           "  -h, --help          show this help and exit\n"
           "  --version           show the version and exit\n";
}

bool CCmdLineInfo::Parse(const std::vector<std::string>& args, std::string& strError)
{
    for (std::size_t i = 0; i < args.size(); ++i)
    {
        const std::string& strArg = args[i];
        if (IsLanguageArgument(strArg))
            m_strLanguage = Upper(strArg.substr(1));
        else if (strArg == "--no-splash")
            m_bShowSplash = false;
        else if (strArg == "/p" || strArg == "/P" || strArg == "-p" || strArg == "--print")
        {
            if (i + 1 >= args.size() || m_bPrint)
            {
                strError = m_bPrint ? "Only one selection file can be printed at a time."
                                    : strArg + " needs the selection file to print.";
                return false;
            }
            m_bPrint = true;
            m_bShowSplash = false;
            if (!m_strFileName.empty())
            {
                strError = "Only one selection file can be opened at a time.";
                return false;
            }
            m_strFileName = args[++i];
        }
        else if (strArg == "--language" || strArg.rfind("--language=", 0) == 0)
        {
            std::string strCode;
            if (strArg == "--language")
            {
                if (i + 1 >= args.size())
                {
                    strError = "--language needs a two-letter language code.";
                    return false;
                }
                strCode = args[++i];
            }
            else
                strCode = strArg.substr(std::string("--language=").size());
            if (!IsTwoLetters(strCode))
            {
                strError = "\"" + strCode + "\" is not a two-letter language code.";
                return false;
            }
            m_strLanguage = Upper(strCode);
        }
        else if (strArg.size() > 1 && strArg[0] == '-')
        {
            strError = "Unknown option " + strArg + ".";
            return false;
        }
        else if (!m_strFileName.empty())
        {
            strError = "Only one selection file can be opened at a time.";
            return false;
        }
        else
            m_strFileName = strArg;
    }
    return true;
}
