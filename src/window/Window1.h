#pragma once

#include "framework/Dictionary.h"
#include "framework/DragItem.h"
#include "framework/FolderItem.h"
#include "framework/GroupBox.h"
#include "framework/PushButton.h"
#include "framework/String.h"
#include "framework/Window.h"

#include <functional>
#include <memory>

class Canvas;
class Label;
class myListBox;

namespace Window1Design {
struct ControlDesign;
}

// The program's one window: two drop zones for the old and the new Glyphs
// bundle, the compare and save buttons, and the list of changed values.
class Window1 : public Window {
public:
    // The accessor start-up calls: the open Window1, made and opened when
    // there is none. The framework holds it while it is open.
    static std::shared_ptr<Window1> Accessor();

    // Bundle references of the accepted old and new bundles; none until a drop is accepted.
    FolderItemPtr AppOLD;
    FolderItemPtr AppNEW;

    // The bundle's Adobe-Japan1 mapping file as a map from column 1 to column
    // 2; empty, after an alert, when it is missing, unreadable or gives no entry.
    static Dictionary GetMapFile(const FolderItemPtr& app);
    // The entries of a mapping file's text. No alert of its own: only the
    // regular-expression routine's message on an engine error.
    static Dictionary MapFileEntries(String text);
    // The bundle's short version and build joined by "-"; empty without a
    // readable Info.plist.
    static String GetAppVerInfo(const FolderItemPtr& app);
    // The version text of a property list's text.
    static String AppVerInfoFromPlist(String text);

    // The report the save button writes: the two version texts, then the
    // rows as the list shows them, without a final line end.
    String ReportText() const;

    std::shared_ptr<Canvas> Canvas1() const;
    std::shared_ptr<Canvas> Canvas2() const;
    std::shared_ptr<Label> Label1() const;
    std::shared_ptr<Label> Label2() const;
    std::shared_ptr<myListBox> ListBox1() const;

protected:
    void Layout() override;
    void CreateControls() override;
    void Event_Open() override;
    void Event_Close() override;

private:
    using ControlDesign = Window1Design::ControlDesign;

    void _CreateControls0();
    void GroupBox1_Open(GroupBox& sender);
    void GroupBox1_DropObject(GroupBox& sender, DragItem& obj, std::int64_t action);
    void GroupBox2_Open(GroupBox& sender);
    void GroupBox2_DropObject(GroupBox& sender, DragItem& obj, std::int64_t action);
    void PushButton1_Action(PushButton& sender);
    void PushButton2_Action(PushButton& sender);

    // The two drop zones: the upper one takes the old bundle, the lower one the new.
    enum class Zone { Upper, Lower };
    FolderItemPtr& app(Zone zone);
    std::shared_ptr<Canvas> canvas(Zone zone) const;
    std::shared_ptr<Label> label(Zone zone) const;

    template <class T> std::shared_ptr<T> make(const ControlDesign& design);
    void makeZone(const ControlDesign& boxDesign, const ControlDesign& canvasDesign,
                  const ControlDesign& labelDesign, const String& prompt,
                  void (Window1::*open)(GroupBox&),
                  void (Window1::*drop)(GroupBox&, DragItem&, std::int64_t));
    void makeButton(const ControlDesign& design, const String& caption,
                    void (Window1::*action)(PushButton&));
    template <class... Args> std::function<void(Args...)> handler(void (Window1::*method)(Args...));
    void dropOn(Zone zone, DragItem& obj);
    void resetZone(Zone zone);
    void loadZone(Zone zone, const FolderItemPtr& file);
    void saveReport(const FolderItemPtr& file, const String& text);
    void applyStoredBounds();
    void applyDefaultBounds(std::int64_t width, std::int64_t height);
};
