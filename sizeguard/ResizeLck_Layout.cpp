// The design of ResizeLck: its hidden Subclass and the icon it shows at design time.
#include "sizeguard/ResizeLck.h"

#include "sizeguard/ResizeLckIcon.h"

void ResizeLck::Layout(qby::Design& d)
{
    d.Surface({.Width = 480, .Height = 480, .InvisibleAtRuntime = true});
    d.Add(Subclass, {.Visible = false});  // never seen, not even while the host is designed
    d.Add(imgIcon, {.Left = 0, .Top = 0, .Width = 480, .Height = 480, .Picture = ResizeLckIcon()});
}
