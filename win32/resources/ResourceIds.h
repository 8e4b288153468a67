/* SPDX-License-Identifier: GPL-3.0-or-later */
/* Numbers of TENEBRIX.exe's resources, shared by the resource script and the
   program's code (LoadIcon). Plain macros: the resource compiler reads this too. */
#pragma once

/* The lowest-numbered icon is the one Windows shows for the program file. */
#define TENEBRIX_PROGRAM_ICON 1
