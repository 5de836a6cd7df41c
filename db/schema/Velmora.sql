-- Velmora.dll: the character dictionary and the stroke-combination scores.
CREATE TABLE word (zi TEXT NOT NULL, ft TEXT, bh INTEGER NOT NULL, pinyin TEXT, wuhang TEXT,
                   nan INTEGER NOT NULL DEFAULT 0, nv INTEGER NOT NULL DEFAULT 0, xb TEXT,
                   px INTEGER NOT NULL DEFAULT 0, id INTEGER NOT NULL DEFAULT 0, Aflag TEXT);
CREATE INDEX word_zi ON word (zi);
CREATE INDEX word_ft ON word (ft);
CREATE INDEX word_bh ON word (bh);
-- The name searches read the name characters of one stroke count many times over: this index holds
-- every column they read, so the engine never visits the table rows.
CREATE INDEX word_name ON word (bh, Aflag, xb, nan, nv, zi, px, id, wuhang);
CREATE TABLE zh (lx INTEGER NOT NULL, bh11 INTEGER NOT NULL, bh12 INTEGER NOT NULL, bh21 INTEGER NOT NULL,
                 bh22 INTEGER NOT NULL, zf INTEGER NOT NULL, jxjx INTEGER NOT NULL, wg TEXT, sc TEXT);
CREATE INDEX zh_pattern ON zh (bh11, bh12, bh21, bh22);
CREATE INDEX zh_search ON zh (lx, bh11, bh12, jxjx, zf);
-- The 音形义 judgement of names (db/quality/, loaded by the builder from headerless text).
-- Ill-sounding words a full name must not sound like: the word, its toned pinyin ("du4 zi5 teng2"), its kind.
CREATE TABLE ill_sound (word TEXT NOT NULL, pinyin TEXT NOT NULL, kind TEXT NOT NULL);
-- Our own gloss of each name character, its meaning class and the mark of a character not
-- recommended in a given name (姓氏 数字 平淡 怪异 生僻; empty when it may be chosen).
CREATE TABLE char_gloss (zi TEXT NOT NULL, gloss TEXT NOT NULL, meaning_class TEXT NOT NULL, mark TEXT);
CREATE INDEX char_gloss_zi ON char_gloss (zi);
-- The most given names of recent years by sex; year and rank are NULL for the project's own list.
CREATE TABLE popular_name (year INTEGER, sex TEXT NOT NULL, rank INTEGER, name TEXT NOT NULL);
-- Level in the 通用规范汉字表 (0 outside it), whether people read and type the character easily,
-- its plain simplified stroke count, its radical number and whether it sounds dated in a child's name.
CREATE TABLE char_level (zi TEXT NOT NULL, level INTEGER NOT NULL, common INTEGER NOT NULL,
                         strokes INTEGER NOT NULL, radical INTEGER NOT NULL, dated INTEGER NOT NULL DEFAULT 0);
CREATE INDEX char_level_zi ON char_level (zi);
