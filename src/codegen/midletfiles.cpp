#include "midletfiles.h"

namespace zor {

std::vector<Replacement> midletReplacements(int levelCount)
{
    std::string fields;
    std::string leave;
    std::string enter;
    for (int q = 0; q <= levelCount; ++q) {
        const std::string n = std::to_string(q);
        fields += "private Etap" + n + " etap" + n + "=null;";
        leave += "case " + n + ":etap" + n + ".stop();etap" + n + "=null;break;";
        enter += "case " + n + ":etap" + n + "=new Etap" + n + "(this);etap" + n +
                 ".start();Display.getDisplay(this).setCurrent(etap" + n + ");break;";
    }
    return {{"//vstavka1", fields}, {"//vstavka2", leave}, {"//vstavka3", enter}};
}

std::vector<Replacement> manifestReplacements(const Project &project)
{
    return {{"vs1", project.midletVendor},
            {"vs2", project.midletVersion},
            {"vs3", "szor"},
            {"vs4", project.midletIcon}};
}

} // namespace zor
