#pragma once

class QWidget;

// The form asks for the classic Windows faces; this tells Qt which free
// ones look and measure alike on Linux. Once per program is enough.
void registraSostitutiCaratteri();

// Gives each control of the window its face: font, colours and frame. The
// form holds where the controls are and what they say; how they look is
// written once, in the table of facce.cpp.
void applicaFacce(QWidget *finestra);
