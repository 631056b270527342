// A GUI bundle that only records: a factory and a view answering the
// messages the GUI object sends, each one written to the factory's log.
#import "VLT650_AAXViewMessages.h"
#import "recording_gui.h"

static NSMutableArray* gEvents;

static void note(NSString* format, ...)
{
    va_list args;
    va_start(args, format);
    [gEvents addObject:[[[NSString alloc] initWithFormat:format arguments:args] autorelease]];
    va_end(args);
}

static const char* set_or_null(const void* p) { return p ? "set" : "null"; }

@interface RecordingView : NSView <VLT650_AAXEditorView>
@end

@implementation RecordingView
- (void)setEffectParameterPtr:(AAX_IACFEffectParameters*)p
{
    note(@"parameters %s", set_or_null(p));
}
- (void)setViewContainerPtr:(AAX_IViewContainer*)c
{
    note(@"container %s", set_or_null(c));
}
- (void)setEffectControllerPtr:(AAX_IController*)c
{
    note(@"controller %s", set_or_null(c));
}
- (void)setParameter:(int32_t)index:(float)value
{
    note(@"set %d %.4f", int(index), double(value));
}
- (void)startEditorMain
{
    note(@"start");
}
- (void)stopEditor
{
    note(@"stop");
}
- (void)removeFromSuperview
{
    note(@"remove");
    [super removeFromSuperview];
}
- (void)dealloc
{
    note(@"view gone");
    [super dealloc];
}
@end

@interface RecordingViewFactory : NSObject <VLT650_AAXViewFactory, RecordingGuiLog>
@end

@implementation RecordingViewFactory
+ (NSMutableArray*)events
{
    if (!gEvents)
        gEvents = [[NSMutableArray alloc] init];
    return gEvents;
}
- (id)init
{
    self = [super init];
    [RecordingViewFactory events];
    note(@"factory");
    return self;
}
- (void)dealloc
{
    note(@"factory gone");
    [super dealloc];
}
- (int32_t)interfaceVersion
{
    return 0;
}
- (NSString*)description
{
    return @"recording";
}
- (NSView*)uiViewForAAX
{
    note(@"make view");
    return [[[RecordingView alloc] initWithFrame:NSMakeRect(0, 0, 468, 510)] autorelease];
}
@end
