#pragma once
// The language table of the ISO 639 window, in its shown order: the 3-letter
// code (ISO 639-2; bibliographic and terminology codes joined by "/" where the
// standard has both), the 2-letter code (ISO 639-1, "-" where a language has
// none) and the English name. A row's position is its only key.
//
// The table keeps the codes as the program has always shown them, including
// its known oddities (Breton under "be", Interlingue under "ine", the "Gaeli"
// row), so that users comparing with earlier copies see the same rows.

#include <array>
#include <string_view>

namespace orbilex {

struct IsoLanguage {
    std::string_view alpha3;
    std::string_view alpha2;
    std::string_view name;
};

inline constexpr int kIsoLanguageCount = 404;

inline constexpr std::array<IsoLanguage, kIsoLanguageCount> kIsoLanguages = {{
    {"abk", "ab", "Abkhazian"}, // 0
    {"ace", "-", "Achinese"}, // 1
    {"ach", "-", "Acoli"}, // 2
    {"ada", "-", "Adangme"}, // 3
    {"aar", "aa", "Afar"}, // 4
    {"afh", "-", "Afrihili"}, // 5
    {"afr", "af", "Afrikaans"}, // 6
    {"afa", "-", "Afro -Asiatic(Other)"}, // 7
    {"aka", "ak", "Akan"}, // 8
    {"akk", "-", "Akkadian"}, // 9
    {"alb/sqi", "sq", "Albanian"}, // 10
    {"ale", "-", "Aleut"}, // 11
    {"alg", "-", "Algonquian languages"}, // 12
    {"tut", "-", "Altaic (Other)"}, // 13
    {"amh", "am", "Amharic"}, // 14
    {"apa", "-", "Apache languages"}, // 15
    {"ara", "ar", "Arabic"}, // 16
    {"arc", "-", "Aramaic"}, // 17
    {"arp", "-", "Arapaho"}, // 18
    {"arn", "-", "Araucanian"}, // 19
    {"arw", "-", "Arawak"}, // 20
    {"arm/hye", "hy", "Armenian"}, // 21
    {"art", "-", "Artificial (Other)"}, // 22
    {"asm", "as", "Assamese"}, // 23
    {"ath", "-", "Athapascan languages"}, // 24
    {"map", "-", "Austronesian (Other)"}, // 25
    {"ava", "av", "Avaric"}, // 26
    {"ave", "ae", "Avestan"}, // 27
    {"awa", "-", "Awadhi"}, // 28
    {"aym", "ay", "Aymara"}, // 29
    {"aze", "az", "Azerbaijani"}, // 30
    {"nah", "-", "Aztec"}, // 31
    {"ban", "-", "Balinese"}, // 32
    {"bat", "-", "Baltic (Other)"}, // 33
    {"bal", "-", "Baluchi"}, // 34
    {"bam", "bm", "Bambara"}, // 35
    {"bai", "-", "Bamileke languages"}, // 36
    {"bad", "-", "Banda"}, // 37
    {"bnt", "-", "Bantu (Other)"}, // 38
    {"bas", "-", "Basa"}, // 39
    {"bak", "ba", "Bashkir"}, // 40
    {"baq/eus", "eu", "Basque"}, // 41
    {"bej", "-", "Beja"}, // 42
    {"bem", "-", "Bemba"}, // 43
    {"ben", "bn", "Bengali"}, // 44
    {"ber", "-", "Berber (Other)"}, // 45
    {"bho", "-", "Bhojpuri"}, // 46
    {"bih", "bh", "Bihari"}, // 47
    {"bik", "-", "Bikol"}, // 48
    {"bin", "-", "Bini"}, // 49
    {"bis", "bi", "Bislama"}, // 50
    {"bra", "-", "Braj"}, // 51
    {"bre", "be", "Breton"}, // 52
    {"bug", "-", "Buginese"}, // 53
    {"bul", "bg", "Bulgarian"}, // 54
    {"bua", "-", "Buriat"}, // 55
    {"bur/mya", "my", "Burmese"}, // 56
    {"bel", "be", "Byelorussian"}, // 57
    {"cad", "-", "Caddo"}, // 58
    {"car", "-", "Carib"}, // 59
    {"cat", "ca", "Catalan"}, // 60
    {"cau", "-", "Caucasian (Other)"}, // 61
    {"ceb", "-", "Cebuano"}, // 62
    {"cel", "-", "Celtic (Other)"}, // 63
    {"cai", "-", "Central American Indian (Other)"}, // 64
    {"chg", "-", "Chagatai"}, // 65
    {"cha", "ch", "Chamorro"}, // 66
    {"che", "ce", "Chechen"}, // 67
    {"chr", "-", "Cherokee"}, // 68
    {"chy", "-", "Cheyenne"}, // 69
    {"chb", "-", "Chibcha"}, // 70
    {"chi/zho", "zh", "Chinese"}, // 71
    {"chn", "-", "Chinook jargon"}, // 72
    {"cho", "-", "Choctaw"}, // 73
    {"chu", "cu", "Church Slavic"}, // 74
    {"chv", "cv", "Chuvash"}, // 75
    {"cop", "-", "Coptic"}, // 76
    {"cor", "kw", "Cornish"}, // 77
    {"cos", "co", "Corsican"}, // 78
    {"cre", "cr", "Cree"}, // 79
    {"mus", "-", "Creek"}, // 80
    {"crp", "-", "Creoles and Pidgins (Other)"}, // 81
    {"cpe", "-", "Creoles and Pidgins, English-based (Other)"}, // 82
    {"cpf", "-", "Creoles and Pidgins, French-based (Other)"}, // 83
    {"cpp", "-", "Creoles and Pidgins, Portuguese-based (Other)"}, // 84
    {"cus", "-", "Cushitic (Other)"}, // 85
    {"-", "hr", "Croatian"}, // 86
    {"ces/cze", "cs", "Czech"}, // 87
    {"dak", "-", "Dakota"}, // 88
    {"dan", "da", "Danish"}, // 89
    {"del", "-", "Delaware"}, // 90
    {"din", "-", "Dinka"}, // 91
    {"div", "dv", "Divehi"}, // 92
    {"doi", "-", "Dogri"}, // 93
    {"dra", "-", "Dravidian (Other)"}, // 94
    {"dua", "-", "Duala"}, // 95
    {"dut/nld", "nl", "Dutch"}, // 96
    {"dum", "-", "Dutch, Middle (ca. 1050-1350)"}, // 97
    {"dyu", "-", "Dyula"}, // 98
    {"dzo", "dz", "Dzongkha"}, // 99
    {"efi", "-", "Efik"}, // 100
    {"egy", "-", "Egyptian (Ancient)"}, // 101
    {"eka", "-", "Ekajuk"}, // 102
    {"elx", "-", "Elamite"}, // 103
    {"eng", "en", "English"}, // 104
    {"enm", "-", "English, Middle (ca. 1100-1500)"}, // 105
    {"ang", "-", "English, Old (ca. 450-1100)"}, // 106
    {"esk", "-", "Eskimo (Other)"}, // 107
    {"epo", "eo", "Esperanto"}, // 108
    {"est", "et", "Estonian"}, // 109
    {"ewe", "ee", "Ewe"}, // 110
    {"ewo", "-", "Ewondo"}, // 111
    {"fan", "-", "Fang"}, // 112
    {"fat", "-", "Fanti"}, // 113
    {"fao", "fo", "Faroese"}, // 114
    {"fij", "fj", "Fijian"}, // 115
    {"fin", "fi", "Finnish"}, // 116
    {"fiu", "-", "Finno -Ugrian(Other)"}, // 117
    {"fon", "-", "Fon"}, // 118
    {"fra/fre", "fr", "French"}, // 119
    {"frm", "-", "French, Middle (ca. 1400-1600)"}, // 120
    {"fro", "-", "French, Old (842- ca. 1400)"}, // 121
    {"fry", "fy", "Frisian"}, // 122
    {"ful", "ff", "Fulah"}, // 123
    {"gaa", "-", "Ga"}, // 124
    {"gae/gdh", "Gaeli", "(Scots)"}, // 125
    {"glg", "gl", "Gallegan"}, // 126
    {"lug", "lg", "Ganda"}, // 127
    {"gay", "-", "Gayo"}, // 128
    {"gez", "-", "Geez"}, // 129
    {"geo/kat", "ka", "Georgian"}, // 130
    {"deu/ger", "de", "German"}, // 131
    {"gmh", "-", "German, Middle High (ca. 1050-1500)"}, // 132
    {"goh", "-", "German, Old High (ca. 750-1050)"}, // 133
    {"gem", "-", "Germanic (Other)"}, // 134
    {"gil", "-", "Gilbertese"}, // 135
    {"gon", "-", "Gondi"}, // 136
    {"got", "-", "Gothic"}, // 137
    {"grb", "-", "Grebo"}, // 138
    {"grc", "-", "Greek, Ancient (to 1453)"}, // 139
    {"ell/gre", "el", "Greek, Modern (1453-)"}, // 140
    {"kal", "kl", "Greenlandic"}, // 141
    {"grn", "gn", "Guarani"}, // 142
    {"guj", "gu", "Gujarati"}, // 143
    {"hai", "-", "Haida"}, // 144
    {"hau", "ha", "Hausa"}, // 145
    {"haw", "-", "Hawaiian"}, // 146
    {"heb", "he", "Hebrew"}, // 147
    {"her", "hz", "Herero"}, // 148
    {"hil", "-", "Hiligaynon"}, // 149
    {"him", "-", "Himachali"}, // 150
    {"hin", "hi", "Hindi"}, // 151
    {"hmo", "ho", "Hiri Motu"}, // 152
    {"hun", "hu", "Hungarian"}, // 153
    {"hup", "-", "Hupa"}, // 154
    {"iba", "-", "Iban"}, // 155
    {"ice/isl", "is", "Icelandic"}, // 156
    {"ibo", "ig", "Igbo"}, // 157
    {"ijo", "-", "Ijo"}, // 158
    {"ilo", "-", "Iloko"}, // 159
    {"inc", "-", "Indic (Other)"}, // 160
    {"ine", "-", "Indo -European(Other)"}, // 161
    {"ind", "id", "Indonesian"}, // 162
    {"ina", "ia", "Interlingua (International Auxiliary language Association)"}, // 163
    {"ine", "ie", "Interlingue"}, // 164
    {"iku", "iu", "Inuktitut"}, // 165
    {"ipk", "ik", "Inupiak"}, // 166
    {"ira", "-", "Iranian (Other)"}, // 167
    {"gai/iri", "ga", "Irish"}, // 168
    {"sga", "-", "Irish, Old (to 900)"}, // 169
    {"mga", "-", "Irish, Middle (900 - 1200)"}, // 170
    {"iro", "-", "Iroquoian languages"}, // 171
    {"ita", "it", "Italian"}, // 172
    {"jpn", "ja", "Japanese"}, // 173
    {"jav/jaw", "jv/jw", "Javanese"}, // 174
    {"jrb", "-", "Judeo -Arabic"}, // 175
    {"jpr", "-", "Judeo -Persian"}, // 176
    {"kab", "-", "Kabyle"}, // 177
    {"kac", "-", "Kachin"}, // 178
    {"kam", "-", "Kamba"}, // 179
    {"kan", "kn", "Kannada"}, // 180
    {"kau", "kr", "Kanuri"}, // 181
    {"kaa", "-", "Kara -Kalpak"}, // 182
    {"kar", "-", "Karen"}, // 183
    {"kas", "ks", "Kashmiri"}, // 184
    {"kaw", "-", "Kawi"}, // 185
    {"kaz", "kk", "Kazakh"}, // 186
    {"kha", "-", "Khasi"}, // 187
    {"khm", "km", "Khmer"}, // 188
    {"khi", "-", "Khoisan (Other)"}, // 189
    {"kho", "-", "Khotanese"}, // 190
    {"kik", "ki", "Kikuyu"}, // 191
    {"kin", "rw", "Kinyarwanda"}, // 192
    {"kir", "ky", "Kirghiz"}, // 193
    {"kom", "kv", "Komi"}, // 194
    {"kon", "kg", "Kongo"}, // 195
    {"kok", "-", "Konkani"}, // 196
    {"kor", "ko", "Korean"}, // 197
    {"kpe", "-", "Kpelle"}, // 198
    {"kro", "-", "Kru"}, // 199
    {"kua", "kj", "Kuanyama"}, // 200
    {"kum", "-", "Kumyk"}, // 201
    {"kur", "ku", "Kurdish"}, // 202
    {"kru", "-", "Kurukh"}, // 203
    {"kos", "-", "Kusaie"}, // 204
    {"kut", "-", "Kutenai"}, // 205
    {"lad", "-", "Ladino"}, // 206
    {"lah", "-", "Lahnda"}, // 207
    {"lam", "-", "Lamba"}, // 208
    {"oci", "oc", "Langue d 'Oc (post 1500)"}, // 209
    {"lao", "lo", "Lao"}, // 210
    {"lat", "la", "Latin"}, // 211
    {"lav", "lv", "Latvian"}, // 212
    {"ltz", "lb", "Letzeburgesch"}, // 213
    {"lez", "-", "Lezghian"}, // 214
    {"lin", "ln", "Lingala"}, // 215
    {"lit", "lt", "Lithuanian"}, // 216
    {"loz", "-", "Lozi"}, // 217
    {"lub", "lu", "Luba -Katanga"}, // 218
    {"lui", "-", "Luiseno"}, // 219
    {"lun", "-", "Lunda"}, // 220
    {"luo", "-", "Luo (Kenya and Tanzania)"}, // 221
    {"mac/mkd", "mk", "Macedonian"}, // 222
    {"mad", "-", "Madurese"}, // 223
    {"mag", "-", "Magahi"}, // 224
    {"mai", "-", "Maithili"}, // 225
    {"mak", "-", "Makasar"}, // 226
    {"mlg", "mg", "Malagasy"}, // 227
    {"may/msa", "ms", "Malay"}, // 228
    {"mal", "ml", "Malayalam"}, // 229
    {"mlt", "mt", "Maltese"}, // 230
    {"man", "-", "Mandingo"}, // 231
    {"mni", "-", "Manipuri"}, // 232
    {"mno", "-", "Manobo languages"}, // 233
    {"glv", "gv", "Manx"}, // 234
    {"mao/mri", "mi", "Maori"}, // 235
    {"mar", "mr", "Marathi"}, // 236
    {"chm", "-", "Mari"}, // 237
    {"mah", "mh", "Marshall"}, // 238
    {"mwr", "-", "Marwari"}, // 239
    {"mas", "-", "Masai"}, // 240
    {"myn", "-", "Mayan languages"}, // 241
    {"men", "-", "Mende"}, // 242
    {"mic", "-", "Micmac"}, // 243
    {"min", "-", "Minangkabau"}, // 244
    {"mis", "-", "Miscellaneous (Other)"}, // 245
    {"moh", "-", "Mohawk"}, // 246
    {"mol", "mo", "Moldavian"}, // 247
    {"mkh", "-", "Mon-Kmer (Other)"}, // 248
    {"lol", "-", "Mongo"}, // 249
    {"mon", "mn", "Mongolian"}, // 250
    {"mos", "-", "Mossi"}, // 251
    {"mul", "-", "Multiple languages"}, // 252
    {"mun", "-", "Munda languages"}, // 253
    {"nau", "na", "Nauru"}, // 254
    {"nav", "nv", "Navajo"}, // 255
    {"nde", "nd", "Ndebele , North"}, // 256
    {"nbl", "nr", "Ndebele , South"}, // 257
    {"ndo", "ng", "Ndongo"}, // 258
    {"nep", "ne", "Nepali"}, // 259
    {"new", "-", "Newari"}, // 260
    {"nic", "-", "Niger-Kordofanian (Other)"}, // 261
    {"ssa", "-", "Nilo -Saharan(Other)"}, // 262
    {"niu", "-", "Niuean"}, // 263
    {"non", "-", "Norse , Old"}, // 264
    {"nai", "-", "North American Indian"}, // 265
    {"nor", "no", "Norwegian"}, // 266
    {"nno", "nn", "Norwegian (Nynorsk)"}, // 267
    {"nub", "-", "Nubian languages"}, // 268
    {"nym", "-", "Nyamwezi"}, // 269
    {"nya", "ny", "Nyanja"}, // 270
    {"nyn", "-", "Nyankole"}, // 271
    {"nyo", "-", "Nyoro"}, // 272
    {"nzi", "-", "Nzima"}, // 273
    {"oji", "oj", "Ojibwa"}, // 274
    {"ori", "or", "Oriya"}, // 275
    {"orm", "om", "Oromo"}, // 276
    {"osa", "-", "Osage"}, // 277
    {"oss", "os", "Ossetic"}, // 278
    {"oto", "-", "Otomian languages"}, // 279
    {"pal", "-", "Pahlavi"}, // 280
    {"pau", "-", "Palauan"}, // 281
    {"pli", "pi", "Pali"}, // 282
    {"pam", "-", "Pampanga"}, // 283
    {"pag", "-", "Pangasinan"}, // 284
    {"pan", "pa", "Panjabi"}, // 285
    {"pap", "-", "Papiamento"}, // 286
    {"paa", "-", "Papuan-Australian (Other)"}, // 287
    {"fas/per", "fa", "Persian (Farsi)"}, // 288
    {"peo", "-", "Persian, Old (ca 600 - 400 B.C.)"}, // 289
    {"phn", "-", "Phoenician"}, // 290
    {"pol", "pl", "Polish"}, // 291
    {"pon", "-", "Ponape"}, // 292
    {"por", "pt", "Portuguese"}, // 293
    {"pra", "-", "Prakrit languages"}, // 294
    {"pro", "-", "Provencal, Old (to 1500)"}, // 295
    {"pus", "ps", "Pushto"}, // 296
    {"que", "qu", "Quechua"}, // 297
    {"roh", "rm", "Rhaeto -Romance"}, // 298
    {"raj", "-", "Rajasthani"}, // 299
    {"rar", "-", "Rarotongan"}, // 300
    {"roa", "-", "Romance (Other)"}, // 301
    {"ron/rum", "ro", "Romanian"}, // 302
    {"rom", "-", "Romany"}, // 303
    {"run", "rn", "Rundi"}, // 304
    {"rus", "ru", "Russian"}, // 305
    {"sal", "-", "Salishan languages"}, // 306
    {"sam", "-", "Samaritan Aramaic"}, // 307
    {"smi", "-", "Sami languages"}, // 308
    {"smo", "sm", "Samoan"}, // 309
    {"sad", "-", "Sandawe"}, // 310
    {"sag", "sg", "Sango"}, // 311
    {"san", "sa", "Sanskrit"}, // 312
    {"srd", "sc", "Sardinian"}, // 313
    {"sco", "-", "Scots"}, // 314
    {"sel", "-", "Selkup"}, // 315
    {"sem", "-", "Semitic (Other)"}, // 316
    {"-", "sr", "Serbian"}, // 317
    {"scr", "sh", "Serbo -Croatian"}, // 318
    {"srr", "-", "Serer"}, // 319
    {"shn", "-", "Shan"}, // 320
    {"sna", "sn", "Shona"}, // 321
    {"sid", "-", "Sidamo"}, // 322
    {"bla", "-", "Siksika"}, // 323
    {"snd", "sd", "Sindhi"}, // 324
    {"sin", "si", "Singhalese"}, // 325
    {"sit", "-", "Sino -Tibetan(Other)"}, // 326
    {"sio", "-", "Siouan languages"}, // 327
    {"sla", "-", "Slavic (Other)"}, // 328
    {"ssw", "ss", "Siswant"}, // 329
    {"slk/slo", "sk", "Slovak"}, // 330
    {"slv", "sl", "Slovenian"}, // 331
    {"sog", "-", "Sogdian"}, // 332
    {"som", "so", "Somali"}, // 333
    {"son", "-", "Songhai"}, // 334
    {"wen", "-", "Sorbian languages"}, // 335
    {"nso", "-", "Sotho , Northern"}, // 336
    {"sot", "st", "Sotho , Southern"}, // 337
    {"sai", "-", "South American Indian"}, // 338
    {"esl/spa", "es", "Spanish"}, // 339
    {"suk", "-", "Sukuma"}, // 340
    {"sux", "-", "Sumerian"}, // 341
    {"sun", "su", "Sudanese"}, // 342
    {"sus", "-", "Susu"}, // 343
    {"swa", "sw", "Swahili"}, // 344
    {"ssw", "-", "Swazi"}, // 345
    {"sve/swe", "sv", "Swedish"}, // 346
    {"syr", "-", "Syriac"}, // 347
    {"tgl", "tl", "Tagalog"}, // 348
    {"tah", "ty", "Tahitian"}, // 349
    {"tgk", "tg", "Tajik"}, // 350
    {"tmh", "-", "Tamashek"}, // 351
    {"tam", "ta", "Tamil"}, // 352
    {"tat", "tt", "Tatar"}, // 353
    {"tel", "te", "Telugu"}, // 354
    {"ter", "-", "Tereno"}, // 355
    {"tha", "th", "Thai"}, // 356
    {"bod/tib", "bo", "Tibetan"}, // 357
    {"tig", "-", "Tigre"}, // 358
    {"tir", "ti", "Tigrinya"}, // 359
    {"tem", "-", "Timne"}, // 360
    {"tiv", "-", "Tivi"}, // 361
    {"tli", "-", "Tlingit"}, // 362
    {"tog", "-", "Tonga (Nyasa)"}, // 363
    {"ton", "to", "Tonga (Tonga Islands)"}, // 364
    {"chk", "-", "Truk"}, // 365
    {"tsi", "-", "Tsimshian"}, // 366
    {"tso", "ts", "Tsonga"}, // 367
    {"tsn", "tn", "Tswana"}, // 368
    {"tum", "-", "Tumbuka"}, // 369
    {"tur", "tr", "Turkish"}, // 370
    {"ota", "-", "Turkish, Ottoman (1500 - 1928)"}, // 371
    {"tuk", "tk", "Turkmen"}, // 372
    {"tyv", "-", "Tuvinian"}, // 373
    {"twi", "tw", "Twi"}, // 374
    {"uga", "-", "Ugaritic"}, // 375
    {"uig", "ug", "Uighur"}, // 376
    {"ukr", "uk", "Ukrainian"}, // 377
    {"umb", "-", "Umbundu"}, // 378
    {"und", "-", "Undetermined"}, // 379
    {"urd", "ur", "Urdu"}, // 380
    {"uzb", "uz", "Uzbek"}, // 381
    {"vai", "-", "Vai"}, // 382
    {"ven", "ve", "Venda"}, // 383
    {"vie", "vi", "Vietnamese"}, // 384
    {"vol", "vo", "Volapnk"}, // 385
    {"vot", "-", "Votic"}, // 386
    {"wak", "-", "Wakashan languages"}, // 387
    {"wal", "-", "Walamo"}, // 388
    {"war", "-", "Waray"}, // 389
    {"was", "-", "Washo"}, // 390
    {"cym/wel", "cy", "Welsh"}, // 391
    {"wol", "wo", "Wolof"}, // 392
    {"xho", "xh", "Xhosa"}, // 393
    {"sah", "-", "Yakut"}, // 394
    {"yao", "-", "Yao"}, // 395
    {"yap", "-", "Yap"}, // 396
    {"yid", "yi", "Yiddish"}, // 397
    {"yor", "yo", "Yoruba"}, // 398
    {"zap", "-", "Zapotec"}, // 399
    {"zen", "-", "Zenaga"}, // 400
    {"zha", "za", "Zhuang"}, // 401
    {"zul", "zu", "Zulu"}, // 402
    {"zun", "-", "Zuni"}, // 403
}};

static_assert(kIsoLanguages.back().name == "Zuni");

} // namespace orbilex
