#include "game/globals.h"

#include "app/gxtk_app.h"
#include "app/random.h"
#include "audio/audio_device.h"
#include "graphics/graphics.h"
#include "input/input_device.h"

int HasMusic = 1;
int DebugMode = 0;
int iCadeControls = 0;
int OnScreenControls = 0;
int AccelerometerControls = 0;
float rawscrw = 640.0f;
float rawscrh = 480.0f;
float jscrw = 640.0f;
float jscrh = 480.0f;

void initModules() {
    graphics::device = nullptr;
    input::device = nullptr;
    audio::device = nullptr;
    app::device = nullptr;
    static GraphicsContext* context = nullptr;
    delete context;
    context = new GraphicsContext();
    graphics::context = context;
    Image::DefaultFlags = 0;
    graphics::renderDevice = nullptr;
    HasMusic = 1;
    DebugMode = 0;
    rawscrw = 640.0f;
    rawscrh = 480.0f;
    jscrw = 640.0f;
    jscrh = 480.0f;
    iCadeControls = 0;
    rng::Seed = 1234;
    OnScreenControls = 0;
    AccelerometerControls = 0;
}
