// A small VST3 host for tests: loads a module, lists its factory, creates
// and connects processor and controller, feeds parameter changes, runs
// audio, and saves and restores the state through a stream.
//
//   vst3host MODULE.so [--set ID=VALUE]... [--program VALUE] [--blocks N]
//            [--frames N] [--amplitude A] [--state-out FILE] [--state-in FILE]
//
// As a host does, the program (the Preset parameter) is chosen on the
// controller, and each --set after it goes to the controller too; what the
// controller then asks the host to hand on (its performEdit calls) and the
// --set values reach the processor with the first block.
//
// Exits 1 when the module cannot be run or the state to restore cannot be
// read or is refused.
#include <dlfcn.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "host_objects.h"
#include "ipluginbase.h"
#include "module_entry_points.h"
#include "process_block.h"
#include "tool_main.h"

using namespace vst3host;

namespace {

const char kUsage[] = "usage: vst3host MODULE.so [--set ID=VALUE]... [--program VALUE] [--blocks N]\n"
                      "                [--frames N] [--amplitude A] [--state-out FILE] [--state-in FILE]\n"
                      "exit status 1 when the module cannot be run, or the --state-in file\n"
                      "cannot be read or is refused by the plug-in.\n";

struct Options {
    const char* module = nullptr;
    std::vector<std::pair<ParamID, double>> sets;
    double program = -1.0;
    int blocks = 8;
    int frames = 512;
    float amplitude = 0.9f;
    std::string stateOut, stateIn;
};

bool parse(int argc, char** argv, Options& o)
{
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const char* next = i + 1 < argc ? argv[i + 1] : nullptr;
        if (a == "--set" && next) {
            const char* eq = std::strchr(next, '=');
            if (!eq)
                return false;
            o.sets.emplace_back(static_cast<ParamID>(std::strtoul(next, nullptr, 10)),
                                std::strtod(eq + 1, nullptr));
        } else if (a == "--program" && next) {
            o.program = std::strtod(next, nullptr);
        } else if (a == "--blocks" && next) {
            o.blocks = std::atoi(next);
        } else if (a == "--frames" && next) {
            o.frames = std::atoi(next);
        } else if (a == "--amplitude" && next) {
            o.amplitude = std::strtof(next, nullptr);
        } else if (a == "--state-out" && next) {
            o.stateOut = next;
        } else if (a == "--state-in" && next) {
            o.stateIn = next;
        } else if (!o.module && a[0] != '-') {
            o.module = argv[i];
            continue;
        } else {
            return false;
        }
        ++i;
    }
    return o.module != nullptr;
}

std::string hex_uid(const int8* cid)
{
    const UidWords w = uid_words(cid);
    char text[40];
    std::snprintf(text, sizeof(text), "%08X%08X%08X%08X", w.l1, w.l2, w.l3, w.l4);
    return text;
}

void list_factory(IPluginFactory* factory)
{
    PFactoryInfo info{};
    factory->getFactoryInfo(&info);
    std::printf("factory: %s | %s | %s | flags %d\n", info.vendor, info.url, info.email, info.flags);
    IPtr<IPluginFactory2> f2 = query<IPluginFactory2>(factory);
    for (int32 i = 0; i < factory->countClasses(); ++i) {
        PClassInfo2 c{};
        if (f2)
            f2->getClassInfo2(i, &c);
        std::printf("class %d: %s | %s | %s | %s | %s | flags %u | %s\n", i, c.name, c.category,
                    c.subCategories, c.version, c.sdkVersion, c.classFlags, hex_uid(c.cid).c_str());
    }
}

void list_buses(IComponent* component)
{
    for (MediaType type : {kAudio, kEvent})
        for (BusDirection dir : {kInput, kOutput})
            for (int32 i = 0; i < component->getBusCount(type, dir); ++i) {
                BusInfo bus{};
                component->getBusInfo(type, dir, i, bus);
                std::printf("bus: %s %s %d: %s, %d channels\n", type == kAudio ? "audio" : "event",
                            dir == kInput ? "in" : "out", i, to_utf8(bus.name).c_str(), bus.channelCount);
            }
}

void list_parameters(IEditController* controller)
{
    for (int32 i = 0; i < controller->getParameterCount(); ++i) {
        ParameterInfo p{};
        controller->getParameterInfo(i, p);
        String128 text{};
        controller->getParamStringByValue(p.id, controller->getParamNormalized(p.id), text);
        std::printf("param %u: %s | steps %d | flags 0x%X | %s\n", p.id, to_utf8(p.title).c_str(),
                    p.stepCount, p.flags, to_utf8(text).c_str());
    }
}

bool write_file(const std::string& path, const std::vector<uint8>& bytes)
{
    std::ofstream f(path, std::ios::binary);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(f);
}

// false with the reason in error when the file cannot be read whole.
bool read_file(const std::string& path, std::vector<uint8>& bytes, std::string& error)
{
    errno = 0;
    std::ifstream f(path, std::ios::binary);
    if (!f) {
        error = path + ": " + std::strerror(errno ? errno : ENOENT);
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    if (f.bad()) {
        error = path + ": " + std::strerror(errno ? errno : EIO);
        return false;
    }
    return true;
}

using Changes = std::vector<std::pair<ParamID, double>>;

// Runs the blocks; the parameter changes go with the first one, the last
// value of each parameter in the order first changed. Returns the output
// peak of the last block.
float run_audio(IAudioProcessor* processor, IEditController* controller, const Options& o,
                const Changes& first)
{
    std::vector<float> left(static_cast<std::size_t>(o.frames)), right(left.size());
    float* channels[2] = {left.data(), right.data()};
    AudioBusBuffers in{}, out{};
    in.numChannels = out.numChannels = 2;
    in.channelBuffers32 = out.channelBuffers32 = channels;  // in place, as many hosts do
    float peak = 0.0f;
    double phase = 0.0;
    for (int b = 0; b < o.blocks; ++b) {
        auto* changes = new ParameterChanges;
        auto* outChanges = new ParameterChanges;
        if (b == 0)
            for (auto [id, v] : first) {
                int32 index = 0;
                changes->addParameterData(id, index)->addPoint(0, v, index);
            }
        for (std::size_t i = 0; i < left.size(); ++i, phase += 2.0 * M_PI * 1000.0 / 48000.0)
            left[i] = right[i] = o.amplitude * static_cast<float>(std::sin(phase));
        ProcessData data = realtime_block(in, out, o.frames, changes, outChanges);
        processor->process(data);
        peak = 0.0f;
        for (float s : left)
            peak = std::fmax(peak, std::fabs(s));
        // The host hands the processor's output changes to the controller.
        for (int32 q = 0; q < outChanges->getParameterCount(); ++q) {
            ParamValueQueue* queue = outChanges->queue(q);
            int32 offset = 0;
            ParamValue v = 0;
            if (queue && queue->getPoint(queue->getPointCount() - 1, offset, v) == kResultOk) {
                std::printf("output: block %d param %u = %.6f\n", b, queue->getParameterId(), v);
                controller->setParamNormalized(queue->getParameterId(), v);
            }
        }
        changes->release();
        outChanges->release();
    }
    return peak;
}

int run(const Options& o)
{
    // A state that cannot be read fails the run before anything is loaded.
    std::vector<uint8> stateIn;
    if (!o.stateIn.empty()) {
        std::string error;
        if (!read_file(o.stateIn, stateIn, error)) {
            std::printf("restore: failed, %s\n", error.c_str());
            return 1;
        }
    }
    void* lib = dlopen(o.module, RTLD_NOW | RTLD_LOCAL);
    if (!lib) {
        std::printf("error: %s\n", dlerror());
        return 1;
    }
    const auto module = find_entry_points<void*>([lib](const char* name) { return dlsym(lib, name); },
                                                 "ModuleEntry", "ModuleExit");
    if (!module || !module.enter(lib)) {
        std::printf("error: module entry points missing or failed\n");
        return 1;
    }
    int status = 1;
    {
        IPtr<IPluginFactory> factory(module.getFactory(), false);
        list_factory(factory.get());
        PClassInfo first{};
        factory->getClassInfo(0, &first);

        auto* host = new HostApplication;
        auto* handler = new ComponentHandler;
        handler->echo = true;
        IPtr<IComponent> component = create_instance<IComponent>(factory.get(), first.cid);
        TUID controllerCid{};
        IPtr<IEditController> controller;
        if (component && component->getControllerClassId(controllerCid) == kResultOk)
            controller = create_instance<IEditController>(factory.get(), controllerCid);
        IPtr<IAudioProcessor> processor = query<IAudioProcessor>(component.get());
        if (component && controller && processor && component->initialize(host) == kResultOk &&
            controller->initialize(host) == kResultOk) {
            IPtr<IConnectionPoint> cp1 = query<IConnectionPoint>(component.get());
            IPtr<IConnectionPoint> cp2 = query<IConnectionPoint>(controller.get());
            if (cp1 && cp2) {
                cp1->connect(cp2.get());
                cp2->connect(cp1.get());
            }
            controller->setComponentHandler(handler);
            bool restored = true;
            if (!o.stateIn.empty()) {
                auto* in = new MemoryStream(stateIn);
                restored = component->setState(in) == kResultOk;
                if (restored)
                    std::printf("restore: ok\n");
                else
                    std::printf("restore: failed, the plug-in refused %zu bytes of state from %s\n",
                                stateIn.size(), o.stateIn.c_str());
                in->rewind();
                controller->setComponentState(in);
                in->release();
            }
            list_buses(component.get());
            list_parameters(controller.get());
            IPlugView* view = controller->createView("editor");
            std::printf("view: %s\n", view ? "yes" : "none");
            if (view)
                view->release();
            handler->edits.clear();
            if (o.program >= 0.0)
                controller->setParamNormalized(8, o.program);
            Changes first;
            auto change = [&first](ParamID id, double v) {  // a later value of a parameter replaces its first
                for (auto& c : first)
                    if (c.first == id) {
                        c.second = v;
                        return;
                    }
                first.emplace_back(id, v);
            };
            for (auto [id, v] : handler->edits)
                change(id, v);
            for (auto [id, v] : o.sets) {
                controller->setParamNormalized(id, v);
                change(id, v);
            }

            SpeakerArrangement stereo = 3;
            std::printf("arrangement: %d\n", processor->setBusArrangements(&stereo, 1, &stereo, 1));
            ProcessSetup setup{kRealtime, kSample32, o.frames, 48000.0};
            processor->setupProcessing(setup);
            component->setActive(true);
            processor->setProcessing(true);
            const float peak = run_audio(processor.get(), controller.get(), o, first);
            std::printf("audio: peak in %.6f out %.6f\n", o.amplitude, peak);
            processor->setProcessing(false);
            component->setActive(false);

            auto* out = new MemoryStream;
            const tresult saved = component->getState(out);
            std::printf("state: %zu bytes, %s\n", out->bytes().size(), saved == kResultOk ? "ok" : "failed");
            if (!o.stateOut.empty())
                write_file(o.stateOut, out->bytes());
            out->release();
            if (cp1 && cp2) {
                cp1->disconnect(cp2.get());
                cp2->disconnect(cp1.get());
            }
            controller->terminate();
            component->terminate();
            status = restored ? 0 : 1;
        } else {
            std::printf("error: could not create and initialize the plug-in\n");
        }
        handler->release();
        host->release();
    }
    module.leave();
    dlclose(lib);
    std::printf("done\n");
    return status;
}

}  // namespace

int main(int argc, char** argv) { return host_tool::tool_main(argc, argv, kUsage, parse, run); }
