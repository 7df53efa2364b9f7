#pragma once
// The project's home page: opened by the online help and shown in the about box. A plain
// #define, because the resource script shows it too.
#define VOKANTI_HOME_PAGE "http://vokanti.example.jp/"
