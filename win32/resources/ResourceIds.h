/* SPDX-License-Identifier: GPL-3.0-or-later */
/* Numbers of TENEBRIX.exe's resources, shared by the resource script and the
   program's code (LoadIcon). Plain macros: the resource compiler reads this too. */
#pragma once

/* The lowest-numbered icon is the one Windows shows for the program file. */
#define TENEBRIX_PROGRAM_ICON 1

/* The game's catalogues ride in the program as raw data: the list of their
   languages, one a line, then each language's compiled catalogue in the
   list's order. */
#define TENEBRIX_CATALOGUE_LIST 200
#define TENEBRIX_FIRST_CATALOGUE 201
