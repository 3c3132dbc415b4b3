#include "app/resources.h"

#include "app/pictures/pictures.h"

const std::vector<BuiltinImage> builtinImageTable = {
    {"aboutMoreGames", "150", 212, 61}, {"aboutText", "151", 333, 427},     {"aboutMainMenu", "153", 212, 61},
    {"background", "154", 800, 600},    {"silverButton", "158", 188, 42},   {"longSilverButton", "160", 272, 42},
    {"mainMenu", "162", 800, 600},      {"selectionArrow", "165", 18, 19},  {"incArrow", "166", 20, 20},
    {"decArrow", "167", 20, 20},        {"normalStar", "168", 23, 24},      {"goldenStar", "169", 33, 32},
    {"darkStar", "170", 50, 49},        {"menuShort", "171", 37, 19},       {"loadButton", "172", 192, 28},
    {"arrowUp", "173", 39, 49},         {"arrowDown", "174", 39, 49},       {"bullet", "175", 20, 15},
    {"loadBasic", "177", 145, 23},      {"bigbar", "178", 800, 500},        {"title", "179", 800, 600},
    {"help1", "180", 675, 356},         {"help2", "181", 681, 363},         {"help3", "182", 687, 287},
    {"help", "183", 89, 43},            {"optionsBack", "185", 212, 41},    {"optionsCaption", "186", 263, 187},
    {"menuNormal", "187", 124, 19},
};

void listBuiltinImages(std::vector<std::string>& names, std::vector<std::string>& resourceIds)
{
    for (const BuiltinImage& b : builtinImageTable) {
        names.emplace_back(b.name);
        resourceIds.emplace_back(b.resourceId);
    }
}

bool paintProgramPicture(int id, Image& out)
{
    if (id == windowIconId) {
        paintWindowIcon(out);
        return out.width > 0;
    }
    return paintBuiltinPicture(id, out);
}
