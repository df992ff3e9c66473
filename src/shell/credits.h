#pragma once

// The line that scrolls across the end screen. The highscore check value is
// computed over it as well, so changing a single character makes every
// stored table count as edited.
constexpr char kCreditsText[] =
    "Shooter - ein Spiel ueber einen Spaetnachmittag im Tal, an dem die Untertassen kamen. Idee, Programm, Bilder, Toene und Musik: das Shooter-Team. Danke an alle, die mitgezielt, mitgelacht und die Kuehe verschont haben. Die Landschaft ist erfunden, die Besucher aus dem All sind freundlich gemeint, keine Taube kam zu Schaden. Gemalt mit Vektoren, vertont mit Sinuswellen und Rauschen, verpackt in einem Programm. Wer den Highscore knacken will, zielt auf die goldene Untertasse und laesst den Traktor in Ruhe. Bis zum naechsten Besuch im Tal - und immer gut ruhig zielen.";

static_assert(sizeof(kCreditsText) - 1 == 570, "the credits line has exactly 570 characters");
