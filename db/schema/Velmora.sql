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
