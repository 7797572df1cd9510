// The language "config.xml" chooses has its own section in "texts.xml".
#include "datafiles/LanguageSection.h"
#include "shell/Configuration.h"
#include "tools/sector-clash-check/CheckAreas.h"

namespace check {

void CheckLanguage(const CheckContext& context, Problems& problems) {
    const std::optional<Brisk::Node> configuration = context.ReadDocument("config.xml");
    const std::optional<Brisk::Node> texts = context.ReadDocument("texts.xml");
    if (!configuration || !texts)
        return; // the configuration and interface areas report missing files
    const Zelt::Configuration saved = Zelt::configuration;
    Zelt::ReadConfiguration(*configuration, 1024, 768);
    const std::string language = Zelt::configuration.language;
    Zelt::configuration = saved;
    const std::string problem = MissingLanguageProblem(*texts, language);
    if (!problem.empty())
        problems.Report(context.FileLabel("texts.xml"), language, problem);
}

} // namespace check
