// The six 16×16 pictures of the poem browser's nodes, drawn by the program: a normal and a selected
// picture for a dynasty, an author and a poem.
#pragma once

#include <QIcon>

enum class PoemNodeKind { Dynasty, Author, Poem };

// The icon of a node kind; its Selected mode holds the selected picture.
QIcon poemNodeIcon(PoemNodeKind kind);
