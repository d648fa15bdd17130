#include "core/reports/analysis_choice.h"

#include "core/platform/atomic_file.h"

namespace quintara {

tAnalysisChoice ChooseAnalysisFile(const TMainOptions& o, int kind)
{
    const std::string name = o.GetAnalysisFile(kind);
    tAnalysisChoice choice{o.HomePath(name), {}};
    const std::string english = DefaultAnalysisFile(kind, 1);
    // A language without texts of its own (German, for one) is given the
    // English file by default: said, so the reader is not left guessing.
    if (o.LanguageCode() != 1 && name == english && DefaultAnalysisFile(kind, o.LanguageCode()) == english)
        choice.note = "(No interpretation texts are installed for this language: the English texts of " + english +
                      " follow.)";
    if (FileExists(choice.path)) return choice;
    // Only the language's own default gives way: a file the user chose is
    // the user's to mend.
    if (name == english || name != DefaultAnalysisFile(kind, o.LanguageCode()) || !FileExists(o.HomePath(english)))
        return choice;
    choice.path = o.HomePath(english);
    choice.note = "(No interpretation file " + name + " is installed for this language: the English texts of " +
                  english + " follow.)";
    return choice;
}

}  // namespace quintara
