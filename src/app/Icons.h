// The window's icons, drawn in code so the program looks the same on every desktop.
#pragma once

#include <QIcon>

QIcon AppIcon();          // the program: a slide frame with a drawing
QIcon SlideIcon();        // one slide file (the slide list in list view)
QIcon LibraryIcon();      // a slide library file
QIcon PatternIcon();      // a hatch pattern file
QIcon ViewListIcon();     // list view
QIcon ViewThumbsIcon();   // thumbnail view
QIcon ColourIcon();       // background colour
QIcon NewLibraryIcon();   // a new, empty slide library
QIcon SaveToFolderIcon(); // slides copied to a folder
QIcon ImageIcon();        // slides to and from images
QIcon PrintIcon();        // printing
QIcon DeleteIcon();       // deleting slides
QIcon MoveUpIcon();       // a slide one place up
QIcon MoveDownIcon();     // a slide one place down
QIcon ClipboardIcon();    // a copy on the clipboard
