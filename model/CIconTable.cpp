#include "model/CIconTable.h"

// The built-in icons in load order: name, then the bitmap resources of the
// 32 x 32 picture, the 16 x 16 picture and their masks. The names are
// stored in reminder files and must stay exactly as they are.
static const CIconTableRow kRows[CIconTable::kBuiltinCount] = {
    { "Kestrelmark", 511, 513, 512, 514 },
    { "Birthday", 239, 240, 241, 242 },
    { "Flower", 255, 257, 256, 258 },
    { "Gift", 259, 261, 260, 262 },
    { "Rings", 263, 265, 264, 266 },
    { "Graudation", 267, 269, 268, 270 },
    { "Champagne", 271, 273, 272, 274 },
    { "Hearts", 275, 277, 276, 278 },
    { "Clover", 279, 281, 280, 282 },
    { "Easter", 283, 285, 284, 286 },
    { "Flag", 287, 289, 288, 290 },
    { "Pumpkin", 291, 293, 292, 294 },
    { "Turket", 295, 297, 296, 298 },
    { "HANUKKAH", 507, 509, 508, 510 },
    { "Christmas", 299, 301, 300, 302 },
    { "Man", 303, 305, 304, 306 },
    { "Woman", 307, 309, 308, 310 },
    { "Cross", 311, 313, 312, 314 },
    { "Star", 315, 317, 316, 318 },
    { "Dollar", 319, 321, 320, 322 },
    { "Briefcase", 323, 325, 324, 326 },
    { "Telephone", 518, 520, 519, 521 },
    { "Paper", 327, 329, 328, 330 },
    { "Medical", 331, 333, 332, 334 },
    { "Target", 335, 337, 336, 338 },
    { "Exclamation", 339, 341, 340, 342 },
    { "Check", 343, 345, 344, 346 },
    { "House", 347, 349, 348, 350 },
    { "Car", 351, 353, 352, 354 },
    { "Boat", 355, 357, 356, 358 },
    { "Airplane", 243, 245, 244, 246 },
    { "Sun", 363, 365, 364, 366 },
    { "Snowflake", 367, 369, 368, 370 },
    { "Music", 371, 373, 372, 374 },
    { "Glass", 375, 377, 376, 378 },
    { "Tickets", 499, 501, 500, 502 },
    { "Television", 503, 505, 504, 506 },
    { "Film", 495, 497, 496, 498 },
    { "Tennis", 379, 381, 380, 382 },
    { "Golf", 383, 385, 384, 386 },
    { "Basketball", 387, 389, 388, 390 },
    { "Basball", 251, 253, 252, 254 },
    { "Football", 395, 397, 396, 398 },
    { "Volleyball", 399, 401, 400, 402 },
    { "Square Red", 403, 405, 404, 406 },
    { "Square Orange", 407, 409, 408, 410 },
    { "Square Yellow", 411, 413, 412, 414 },
    { "Square Green", 415, 417, 416, 418 },
    { "Square Blue", 419, 421, 420, 422 },
    { "Square Violet", 423, 425, 424, 426 },
    { "Diamond Red", 427, 429, 428, 430 },
    { "Diamond Orange", 431, 433, 432, 434 },
    { "Diamond Yellow", 435, 437, 436, 438 },
    { "Diamond Green", 439, 441, 440, 442 },
    { "Diamond Blue", 443, 445, 444, 446 },
    { "Diamond Violet", 447, 449, 448, 450 },
    { "Circle Red", 451, 453, 452, 454 },
    { "Circle Orange", 455, 457, 456, 458 },
    { "Circle Yellow", 459, 461, 460, 462 },
    { "Circle Green", 463, 465, 464, 466 },
    { "Circle Blue", 467, 469, 468, 470 },
    { "Circle Violet", 471, 473, 472, 474 },
    { "Skull", 526, 528, 527, 530 },
};

const CIconTableRow &CIconTable::Row(int number)
{
    return kRows[number];
}

QString CIconTable::Name(int number)
{
    if (!IsBuiltin(number))
        return QString();
    return QString::fromLatin1(kRows[number].m_name);
}
