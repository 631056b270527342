// The macOS GUI object. The editor itself lives in the GUI bundle inside
// this plug-in's resources: this object opens that bundle, has its factory
// make the view, hands the view the host objects and the current values,
// and forwards later value changes. The view then talks to the host itself.
#import "VLT650_AAXViewMessages.h"

#include "AAX_CEffectGUI.h"
#include "VLT650_GUI.h"
#include "VLT650_Layout.h"
#include <cstring>
#include <iterator>
#include "aax_param_ids.h"

namespace {

namespace aax = vlt::params::aax;

// The parameters the view shows, in the plug-in's order.
constexpr int kShownCount = static_cast<int>(std::size(aax::kParams));

const char* shown_id(int i) { return aax::kParams[i].id; }
int view_index(int i) { return aax::view_index_of(aax::kParams[i].quantity); }

int shown_index(AAX_CParamID param)
{
    for (int i = 0; param && i < kShownCount; ++i)
        if (std::strcmp(param, shown_id(i)) == 0)
            return i;
    return -1;
}

// Every call, the host's and the view's, runs on the main thread.
class CEditorGUI final : public AAX_CEffectGUI {
public:
    ~CEditorGUI() override { DeleteViewContainer(); }

    AAX_Result GetViewSize(AAX_Point* size) const override
    {
        if (view && size) {
            const NSRect frame = [view frame];
            size->vert = float(frame.size.height);
            size->horz = float(frame.size.width);
        }
        return AAX_SUCCESS;
    }

    AAX_Result ParameterUpdated(AAX_CParamID param) override
    {
        return aax_guarded([&] {
            const int i = shown_index(param);
            if (i < 0)
                return AAX_ERROR_INVALID_PARAMETER_ID;
            if (pull(i) && view)
                [view setParameter:view_index(i):cache[i]];
            return AAX_SUCCESS;
        });
    }

    // The host may let go of its objects while the view is still open: the
    // view's tick must not reach them afterwards.
    AAX_Result Uninitialize() override
    {
        [view stopEditor];
        hand_over(nullptr, nullptr, nullptr);
        return AAX_CEffectGUI::Uninitialize();
    }

private:
    void CreateViewContents() override
    {
        NSBundle* own = [NSBundle bundleWithIdentifier:@VLT_AAX_BUNDLE_ID];
        if (!own)
            return;
        NSString* path = [[own resourcePath] stringByAppendingPathComponent:@VLT_AAX_GUI_BUNDLE_FILE];
        NSBundle* gui = [NSBundle bundleWithPath:path];
        NSLog(@"%d", int([gui preflightAndReturnError:nullptr]));
        [factory release];
        factory = [[[gui principalClass] alloc] init];
    }

    void CreateViewContainer() override
    {
        if (GetViewContainerType() != AAX_eViewContainer_Type_NSView)
            return;
        container = static_cast<NSView*>(GetViewContainerPtr());
        AddViewContents();
    }

    void AddViewContents()
    {
        // A closed editor released its factory: reopening makes a new one.
        if (!factory)
            CreateViewContents();
        if (!container || !factory)
            return;
        drop_view();  // a host that moves the editor to a new container without closing it
        view = static_cast<NSView<VLT650_AAXEditorView>*>([[factory uiViewForAAX] retain]);
        AAX_IACFEffectParameters* parameters = GetEffectParameters();
        AAX_IController* controller = GetController();
        for (int i = 0; i < kShownCount; ++i)
            pull(i);
        hand_over(parameters, GetViewContainer(), controller);
        for (int i = 0; i < kShownCount; ++i)
            [view setParameter:view_index(i):cache[i]];
        if (controller) {
            float meter = 0;
            controller->GetCurrentMeterValue(kVLT650_MeterID, &meter);
            [view setParameter:kVLT650_AAXViewMeterIndex:meter];
        }
        [view startEditorMain];
        [container addSubview:view];
    }

    // Whatever exists goes.
    void DeleteViewContainer() override
    {
        drop_view();
        [factory release];
        factory = nil;
        container = nil;
    }

    // The view's timer holds the view: it stops before the view leaves.
    void drop_view()
    {
        [view stopEditor];
        [view removeFromSuperview];
        [view release];
        view = nil;
    }

    bool pull(int i)
    {
        AAX_IACFEffectParameters* parameters = GetEffectParameters();
        double v = 0;
        if (!parameters || parameters->GetParameterNormalizedValue(shown_id(i), &v) != AAX_SUCCESS)
            return false;
        cache[i] = float(v);
        return true;
    }

    void hand_over(AAX_IACFEffectParameters* parameters, AAX_IViewContainer* host,
                   AAX_IController* controller)
    {
        [view setEffectParameterPtr:parameters];
        [view setViewContainerPtr:host];
        [view setEffectControllerPtr:controller];
    }

    float cache[kShownCount] = {};
    NSView* container = nil;
    NSView<VLT650_AAXEditorView>* view = nil;
    NSObject<VLT650_AAXViewFactory>* factory = nil;
};

}  // namespace

IACFUnknown* VLT650_GUI_Create() { return static_cast<AAX_IACFEffectGUI*>(new CEditorGUI()); }
