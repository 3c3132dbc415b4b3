// The galaxy editor: a selected star, the overwrite and leave questions and
// each line a save or a load can leave in the panel.
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#include "game/galaxy_file.h"
#include "tools/program_driver.h"
#include "tools/screenshots/screenshots.h"

namespace {

struct EditorShots {
    ProgramDriver program;
    const std::string& dir;
    int failures = 0;

    void shot(const char* name) { failures += writeScreen(dir, name); }
    void button(int x, int y) { program.click(x + 60, y + 9); }
    void rename(const char* text)
    {
        for (int i = 0; i < 50 && !editorGalaxy.name.empty(); ++i) program.key(keys::backspace), program.frames(10);
        // As many frames as a tap of each key takes, so that the cursor blinks as it would.
        headlessPushText(text);
        program.frames(2 * static_cast<int>(std::strlen(text)));
    }
    void save() { button(421, 577); }
};

} // namespace

int writeEditorScreenshots(const std::string& dir)
{
    EditorShots s{ProgramDriver{}, dir};
    ProgramDriver& p = s.program;
    if (!p.start()) return 1;
    setState(State::openEditor);
    p.frames(2);
    // A small map: a golden star linked to both first stars, then selected.
    s.button(20, 520);
    p.click(330, 150);
    p.click(100, 100);
    p.click(200, 220);
    p.click(330, 150);
    p.moveTo(600, 300);
    p.frames(2);
    s.shot("screen_editor");

    s.rename("NOVA");
    s.save();
    s.shot("screen_editor_saved");
    s.save();
    p.frames(2);
    s.shot("screen_editor_overwrite");
    p.key(keys::escape);

    s.rename("");
    s.save();
    s.shot("screen_editor_no_name");
    s.rename("TENTACLES");
    s.save();
    s.shot("screen_editor_built_in");

    // The galaxies folder made read-only; as root, by saving as another user.
    s.rename("NOVA");
    chmod(galaxyFolder().c_str(), 0555);
    const bool asRoot = geteuid() == 0;
    if (!asRoot || seteuid(65534) == 0) {
        s.save();
        s.button(316, 258);
        if (asRoot && seteuid(0) != 0) ++s.failures;
        s.shot("screen_editor_read_only");
    }
    chmod(galaxyFolder().c_str(), 0755);

    // The golden star unlinked: saved, with the warning that no game could be won on it.
    p.click(330, 150);
    s.button(357, 525);
    s.rename("LONE");
    s.save();
    s.shot("screen_editor_not_linked");

    Galaxy big;
    big.layoutStars.assign(maxFileStars, Star{});
    big.gameStars.assign(maxFileStars, Star{});
    big.links.assign(static_cast<size_t>(maxFileStars) * maxFileStars, 0);
    big.saveFile("HUGE");
    s.button(20, 577);
    p.click(483 + 96, 28 + 14);
    p.click(44 + 72, 523 + 11);
    s.shot("screen_editor_too_large");
    p.click(600, 300); // unsaved work: leaving asks
    p.key(keys::escape);
    s.shot("screen_editor_leave");
    p.stop();
    return s.failures;
}
