#include "app/start_up.h"

#include "app/resources.h"
#include "app/states.h"
#include "engine/display.h"
#include "engine/main_loop.h"

void configureProgram()
{
    fillStandardGalaxyNames();
    configureEngine(windowIconId, "Halvane Daridove", true, true);
    initEngine("../resourcePics/surfs.lst", "sounds.lst", "music.lst", appFrame, 0, 0, 0, 0);
    setBuiltinPictureSource(paintProgramPicture);
}
