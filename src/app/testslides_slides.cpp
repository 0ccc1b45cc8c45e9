// TForm1: the slide management commands (delete, save, save / add / move to a library, new
// library, rename, move up and down, copy to a folder) and their undo and redo. The menu entries,
// the toolbar's drop-down entries, the tool buttons and the keys all run the same action; each
// action runs its command over the model and shows the model again.
#include "testslides.h"

#include "model/EditHistory.h"
#include "model/SlideCommands.h"

#include <QAction>

void TForm1::ConnectSlideCommands() {
    const auto run = [this](QAction* action, std::function<void(TWindowModel&)> command) {
        connect(action, &QAction::triggered, this,
                [this, command = std::move(command)] { RunCommand([&] { command(m_model); }); });
    };
    run(NewSlideLibrary1, CreateNewSlideLib);
    run(SaveToDirectory1, SaveSlidesToDir);
    // AddToSlideLib tells its mode by the entry that started it.
    for (QAction* action : {SaveAsSlideLibrary1, Saveaslib})
        run(action, [](TWindowModel& m) { AddToSlideLib(m, TAddMode::SaveAs); });
    for (QAction* action : {AddToSlideLibrary1, Addtolib})
        run(action, [](TWindowModel& m) { AddToSlideLib(m, TAddMode::Add); });
    for (QAction* action : {MoveToSlideLibrary1, Movetolib})
        run(action, [](TWindowModel& m) { AddToSlideLib(m, TAddMode::Move); });
    run(DeleteSlides1, SlideDelete);
    run(deleteAction, SlideDelete);
    run(RenameSlide1, SlideRename);
    run(MoveSlideUp1, [](TWindowModel& m) { MvSlideUpDnButtonClick(m, TSlideMove::Up); });
    run(MoveSlideDown1, [](TWindowModel& m) { MvSlideUpDnButtonClick(m, TSlideMove::Down); });
    run(Undo1, UndoEdit);
    run(Redo1, RedoEdit);
}
