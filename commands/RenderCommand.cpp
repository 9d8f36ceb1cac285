#include "RenderCommand.h"

#include "BenchToolkit.h"
#include "FileChecks.h"
#include "FontTestScene.h"
#include "FrameRenderer.h"
#include "GoldenCompare.h"
#include "InputFiles.h"
#include "OffscreenGL.h"
#include "PngFile.h"
#include "ProblemLog.h"
#include "UiTestFile.h"
#include "UiTestFrames.h"
#include "UiTestScene.h"
#include <vanui/uiFont.h>

#include <GL/gl.h>

#include <cstdio>
#include <filesystem>
#include <new>
#include <vector>

namespace {

enum RenderStatus { RENDER_DONE = 0, RENDER_INPUT_ERRORS = 1, RENDER_IO_ERROR = 2 };

// Every file the render will read: the input with the fonts it names, and a golden that is
// only compared with.
std::vector<NamedFile> RenderInputs(const RenderOptions& options) {
    std::vector<NamedFile> inputs = InputFiles(options.file, options.input);
    if (!options.golden.empty() && !options.update) {
        inputs.push_back({"the golden", options.golden});
        inputs.push_back({"the renderer file", RendererFileName(options.golden)});
    }
    return inputs;
}

// Every file the render may write: the log, the picture, and the golden with its renderer file
// (--update) or the difference picture (--compare).
std::vector<NamedFile> RenderOutputs(const RenderOptions& options) {
    std::vector<NamedFile> outputs{{"--log", options.logFile}, {"-o", options.output}};
    if (options.update) {
        outputs.push_back({"the golden", options.golden});
        outputs.push_back({"the renderer file", RendererFileName(options.golden)});
    } else if (!options.golden.empty()) {
        outputs.push_back({"the difference picture", DiffFileName(options.output)});
    }
    return outputs;
}

// Before anything is written: no output may land on a file in use, and --update replaces only
// a golden that is a PNG picture or is not there yet.
bool OutputsAreFree(const RenderOptions& options) {
    const std::string collision = FindCollision(RenderInputs(options), RenderOutputs(options));
    if (!collision.empty()) {
        std::fprintf(stderr, "drev: %s\n", collision.c_str());
        return false;
    }
    std::error_code failure;
    if (options.update && std::filesystem::exists(options.golden, failure) && !IsPngFile(options.golden)) {
        std::fprintf(stderr, "drev: %s is not a PNG picture; not replaced\n", options.golden.c_str());
        return false;
    }
    return true;
}

// The font test window's picture. A font that fails to load leaves the background alone, as in
// the window, and is an error of the input.
int DrawFontPicture(const std::string& fileName, FrameRenderer& renderer) {
    std::unique_ptr<uiFont> font(new (std::nothrow) uiFont(fileName, &renderer.Textures(), &QuietToolkitLog()));
    renderer.Begin(FramePicture::FontTest);
    if (font) {
        uiDrawList list;
        DrawFontTestScene(list, *font);
        renderer.Submit(list);
    }
    for (const std::string& problem : TakeProblems()) {
        PrintError(fileName, 0, problem);
    }
    return font && font->IsLoaded() ? RENDER_DONE : RENDER_INPUT_ERRORS;
}

// The UI test window's frame at the moment asked for, after the frames before it.
int DrawUiPicture(const RenderOptions& options, FrameRenderer& renderer) {
    UiTestFile file(options.file, &renderer.Textures());
    std::unique_ptr<uiFont> sampleFont = options.scene ? file.OpenSampleFont() : nullptr;
    const double moment =
        options.atMs >= 0 ? static_cast<double>(options.atMs) : SettledFrameTime(file.Context());
    UiTestFrames frames(file, sampleFont.get(), options.scene);
    frames.PlayUpTo(moment, renderer);
    frames.Record(moment);
    renderer.Begin(FramePicture::UiTest);
    renderer.Submit(frames.List());
    return file.PrintDiagnostics(false) ? RENDER_INPUT_ERRORS : RENDER_DONE;
}

} // namespace

int RunRenderCommand(const RenderOptions& options) {
    std::string reason;
    if (!CanReadFile(options.file, reason)) {
        std::fprintf(stderr, "drev: cannot read %s: %s\n", options.file.c_str(), reason.c_str());
        return RENDER_IO_ERROR;
    }
    if (!OutputsAreFree(options)) {
        return RENDER_IO_ERROR;
    }
    if (!StartProblemLog(options.logFile)) {
        return RENDER_IO_ERROR;
    }
    OffscreenGL gl;
    if (!gl.Open(options.width, options.height, OffscreenContextFor(options.backend), reason)) {
        std::fprintf(stderr, "drev: no off-screen GL: %s\n", reason.c_str());
        return RENDER_IO_ERROR;
    }
    int maxWidth = 0;
    int maxHeight = 0;
    gl.MaxViewport(maxWidth, maxHeight);
    if (options.width > maxWidth || options.height > maxHeight) {
        std::fprintf(stderr, "drev: --size %dx%d is larger than the GL can draw (%dx%d)\n", options.width,
                     options.height, maxWidth, maxHeight);
        return RENDER_IO_ERROR;
    }
    // The picture is laid out for 800 x 600 and scaled to the output, as GLUT's default reshape
    // scales a window's picture.
    glViewport(0, 0, options.width, options.height);

    const std::unique_ptr<FrameRenderer> renderer = OpenFrameRenderer(options.backend, reason);
    if (!renderer) {
        std::fprintf(stderr, "drev: the %s backend cannot draw in this GL (%s): %s\n",
                     RenderBackendName(options.backend), gl.Version().c_str(), reason.c_str());
        return RENDER_IO_ERROR;
    }
    int status = options.input == InputKind::Font ? DrawFontPicture(options.file, *renderer)
                                                  : DrawUiPicture(options, *renderer);
    const RgbImage picture = gl.ReadPixels();
    std::vector<unsigned char> png;
    std::string error;
    if (!EncodePng(picture.rgb.data(), picture.width, picture.height, png, error) ||
        !WritePngBytes(options.output, png, error)) {
        std::fprintf(stderr, "drev: cannot write %s: %s\n", options.output.c_str(), error.c_str());
        return RENDER_IO_ERROR;
    }
    if (!options.golden.empty()) {
        const GoldenCheck check{options.golden, options.output, options.tolerance, options.maxPixels,
                                options.update};
        status =
            std::max(status, CompareWithGolden(picture, png, RendererInfo{gl.Renderer(), gl.Version()}, check));
    }
    return status;
}
